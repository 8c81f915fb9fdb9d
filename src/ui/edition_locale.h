#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include "lang/edition.h"

namespace velmora::ui {

// The edition's language and country for dates that Qt writes (a German page says "11.12.2026",
// not the desktop's "12/11/26"), whatever language the desktop runs in.
inline QLocale editionLocale(const lang::Edition& edition) {
    switch (edition.language()) {
        case lang::Edition::Language::German: return QLocale(QLocale::German, QLocale::Germany);
        case lang::Edition::Language::French: return QLocale(QLocale::French, QLocale::France);
        case lang::Edition::Language::Dutch: return QLocale(QLocale::Dutch, QLocale::Netherlands);
        case lang::Edition::Language::English: break;
    }
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

// A date in the edition's short form with the full year: 11.12.2026, 11/12/2026, 11-12-2026.
inline QString editionDate(const lang::Edition& edition, const QDate& date) {
    const QLocale locale = editionLocale(edition);
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy")) format.replace("yy", "yyyy");
    return locale.toString(date, format);
}

// A label as the edition punctuates it: French sets a blank before the closing colon ("Diamètre D :").
// For display only; the texts that go into the table keep their own form.
inline QString editionLabel(const lang::Edition& edition, QString label) {
    if (edition.language() == lang::Edition::Language::French && label.size() > 1 && label.endsWith(':') &&
        !label.at(label.size() - 2).isSpace())
        label.insert(label.size() - 1, ' ');
    return label;
}

}  // namespace velmora::ui
