// Start-up notices: a modal box captioned "お知らせ".
#pragma once

constexpr const char* NoticeCaption = "お知らせ";

void ShowNotice(const char* text);
