#pragma once

#include <QString>

// Qt's own texts in the program's language: the file dialogs' labels,
// buttons and columns come from Qt's translations, not the language files.
namespace toolkittexts {

// Qt's locale name for a language file's name ("ChineseSimplified" ->
// "zh_CN"); empty where Qt's built-in English serves.
QString localeFor(const QString &language);

// Puts Qt's texts for `language` in place of the ones loaded before; false
// where there are none (English, or Qt's translations are not installed).
bool use(const QString &language);

} // namespace toolkittexts
