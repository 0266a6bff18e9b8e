// Start-up notices: a modal box captioned "お知らせ".
#pragma once

void ShowNotice(const char* text);
