#include "shell/notice.h"

#include "platform/platform.h"

void ShowNotice(const char* text) { platform::host().ShowNotice(NoticeCaption, text); }
