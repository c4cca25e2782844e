#pragma once

// The script tags that end the Japanese, Chinese and Korean file names, as
// stored (partly decomposed). Macros, so that a row's name is one literal;
// a file that includes this undefines them at its end.

#define TAG_JAPANESE_A                                                                                                 \
    u" \u0053\u030C\u007A\u00A4\u0045\u0308\u00A4\u0055\u0302\u00A4\u006B\u0327\u00A4\u00B4\u0053\u030C\u007B"
#define TAG_JAPANESE_B u" \u5B99\u535E\u5E7B\u6C0F\u4ECD\u5B9B"
#define TAG_CHINESE_2 u"  \u7B80\u4F53\u4E2D\u6587"
#define TAG_CHINESE_1 u" \u7B80\u4F53\u4E2D\u6587"
#define TAG_KOREAN u" \u1112\u1161\u11AB\u1100\u1173\u11AF\u0020\u1102\u1161\u11C0\u110C\u1161"
