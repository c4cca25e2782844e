#pragma once

#include "model/Step1Model.h"

#include <QString>
#include <QStringList>
#include <map>

// The wizard's industry list grouped by first letter.
namespace IndustryIndex {

// The index key of a name: its first letter after the Mandarin-to-Latin
// transform and without diacritics, upper-cased; "#" for anything outside
// A–Z (digits, spaces, punctuation, other scripts, an empty result).
QString firstLetterKey(const QString& name);

// Names by key, keys in ascending order ("#" first), names in reply order;
// a name sent twice is listed twice.
using Groups = std::map<QString, QStringList>;
Groups groupIndustries(const Step1Model& model);

// One line per key: the key, ": " and its names as a quoted list.
QStringList describe(const Groups& groups);

// The id of the last industry named `name`, or `previous` when none is.
QString industryIdForName(const Step1Model& model, const QString& name, const QString& previous);

} // namespace IndustryIndex
