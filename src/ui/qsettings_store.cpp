#include "ui/qsettings_store.h"

#include <QStringList>

namespace velmora::ui {

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QString QSettingsStore::key(std::string_view subkey, std::string_view name) {
    return fromView(subkey) + '/' + fromView(name);
}

std::optional<std::string> QSettingsStore::read(std::string_view subkey, std::string_view name) const {
    const QVariant value = settings_.value(key(subkey, name));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

bool QSettingsStore::hasSubkey(std::string_view subkey) const {
    return settings_.childGroups().contains(fromView(subkey));
}

void QSettingsStore::write(std::string_view subkey, std::string_view name, std::string_view value) {
    settings_.setValue(key(subkey, name), fromView(value));
}

void QSettingsStore::flush() {
    settings_.sync();
    if (settings_.status() != QSettings::NoError)
        throw persist::SettingsError("the settings could not be written to " + settings_.fileName().toStdString());
}

}  // namespace velmora::ui
