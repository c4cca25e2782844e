#pragma once

#include <string>

namespace standin {

// A fixture text in the two languages the stand-in answers in. Requests whose
// `lang` names a Chinese language get the Chinese text, all others English.
struct LocalText {
    const char* en = "";
    const char* zh = "";

    std::string pick(bool chinese) const { return chinese ? zh : en; }
};

inline bool isChineseLanguage(const std::string& lang)
{
    return lang.find("Chinese") != std::string::npos || lang.rfind("zh", 0) == 0;
}

} // namespace standin
