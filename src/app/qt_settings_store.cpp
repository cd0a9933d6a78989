#include "qt_settings_store.h"

namespace tessarin {

QtSettingsStore::QtSettingsStore()
    : settings_(QStringLiteral("Tessarin"), QStringLiteral("Tessarin")) {
    settings_.beginGroup(QStringLiteral("Startup"));
}

std::optional<std::string> QtSettingsStore::Read(const std::string& key) const {
    const QString qkey = QString::fromStdString(key);
    if (!settings_.contains(qkey)) {
        return std::nullopt;
    }
    return settings_.value(qkey).toString().toStdString();
}

void QtSettingsStore::Write(const std::string& key, const std::string& value) {
    settings_.setValue(QString::fromStdString(key), QString::fromStdString(value));
}

}  // namespace tessarin
