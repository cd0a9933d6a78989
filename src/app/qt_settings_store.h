#pragma once

#include <QSettings>

#include "model/settings.h"

namespace tessarin {

// The saved settings kept by QSettings: application "Tessarin", group "Startup", every value text.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    std::optional<std::string> Read(const std::string& key) const override;
    void Write(const std::string& key, const std::string& value) override;

private:
    mutable QSettings settings_;
};

}  // namespace tessarin
