#include "canvas/FontFaceStyle.h"

#include <QHash>

namespace {

// Weight names as font files spell them, without spaces or hyphens.
int weightNamed(const QString& word)
{
    static const QHash<QString, int> weights {
        { QStringLiteral(""), 400 },
        { QStringLiteral("regular"), 400 },
        { QStringLiteral("normal"), 400 },
        { QStringLiteral("book"), 400 },
        { QStringLiteral("thin"), 100 },
        { QStringLiteral("hairline"), 100 },
        { QStringLiteral("extralight"), 200 },
        { QStringLiteral("ultralight"), 200 },
        { QStringLiteral("light"), 300 },
        { QStringLiteral("medium"), 500 },
        { QStringLiteral("semibold"), 600 },
        { QStringLiteral("demibold"), 600 },
        { QStringLiteral("bold"), 700 },
        { QStringLiteral("extrabold"), 800 },
        { QStringLiteral("ultrabold"), 800 },
        { QStringLiteral("black"), 900 },
        { QStringLiteral("heavy"), 900 },
    };
    return weights.value(word, 0);
}

} // namespace

FontFaceStyle FontFaceStyle::ofText(const QString& weight, const QString& style)
{
    FontFaceStyle face;
    if (weight == QLatin1String("700"))
        face.weight = QStringLiteral("bold");
    else if (!weight.isEmpty() && weight != QLatin1String("400"))
        face.weight = weight;
    if (!style.isEmpty())
        face.style = style;
    return face;
}

FontFaceStyle FontFaceStyle::ofRow(const QString& name, const QString& family)
{
    if (family.isEmpty() || !name.startsWith(family + QLatin1Char(' ')))
        return {};
    QString words = name.mid(family.size()).toLower();
    words.remove(QLatin1Char(' '));
    words.remove(QLatin1Char('-'));
    FontFaceStyle face;
    for (const QLatin1String slant : { QLatin1String("italic"), QLatin1String("oblique") }) {
        if (words.endsWith(slant)) {
            words.chop(slant.size());
            face.style = slant;
        }
    }
    const int weight = weightNamed(words);
    if (weight == 0)
        return {};
    if (weight == 700)
        face.weight = QStringLiteral("bold");
    else if (weight != 400)
        face.weight = QString::number(weight);
    return face;
}
