#include "ai/IndustryIndex.h"

#include <mutex>
#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace {

QString toLatin(const QString& text)
{
    // Built once: creating the transliterator parses its rules.
    static std::mutex mutex;
    static std::unique_ptr<icu::Transliterator> hanLatin = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> made(
            icu::Transliterator::createInstance("Han-Latin", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    if (!hanLatin)
        return text;
    icu::UnicodeString converted(reinterpret_cast<const char16_t*>(text.utf16()), int32_t(text.size()));
    {
        std::lock_guard lock(mutex);
        hanLatin->transliterate(converted);
    }
    return QString(reinterpret_cast<const QChar*>(converted.getBuffer()), converted.length());
}

QString withoutDiacritics(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    return result;
}

} // namespace

namespace IndustryIndex {

QString firstLetterKey(const QString& name)
{
    const QString latin = withoutDiacritics(toLatin(name));
    if (latin.isEmpty())
        return QStringLiteral("#");
    const int length = latin.at(0).isHighSurrogate() && latin.size() > 1 ? 2 : 1;
    const QString letter = latin.left(length).toUpper();
    if (letter < QLatin1String("A") || letter > QLatin1String("Z"))
        return QStringLiteral("#");
    return letter;
}

Groups groupIndustries(const Step1Model& model)
{
    Groups groups;
    for (const Step1ModelContentData& industry : model.data.trade)
        groups[firstLetterKey(industry.name)].append(industry.name);
    return groups;
}

QStringList describe(const Groups& groups)
{
    QStringList lines;
    for (const auto& [key, names] : groups) {
        QStringList quoted;
        for (const QString& name : names)
            quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
        lines.append(key + QStringLiteral(": [") + quoted.join(QStringLiteral(", ")) + QLatin1Char(']'));
    }
    return lines;
}

QString industryIdForName(const Step1Model& model, const QString& name, const QString& previous)
{
    QString id = previous;
    for (const Step1ModelContentData& industry : model.data.trade)
        if (industry.name == name)
            id = industry.id;
    return id;
}

} // namespace IndustryIndex
