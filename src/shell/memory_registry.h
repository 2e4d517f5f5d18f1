// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QString>

#include <functional>

#include "registry_access.h"

namespace lm {

// A registry held in memory, for the tests: keys compared without regard to
// case, and a guard that can refuse or fail any change.
class MemoryRegistry : public RegistryAccess {
public:
    // Called before every change with the operation ("open", "write" or
    // "delete") and the key; may throw ERegistryException or return false to
    // refuse the key (then OpenKey fails and nothing is written).
    using Guard = std::function<bool(const QString& operation, RegRoot root, const QString& key)>;

    void SetGuard(Guard guard) { guard_ = std::move(guard); }

    bool OpenKey(RegRoot root, const QString& key, bool create) override;
    void WriteString(RegRoot root, const QString& key, const QString& name,
                     const QString& value) override;
    std::optional<QString> ReadString(RegRoot root, const QString& key,
                                      const QString& name) const override;
    bool KeyExists(RegRoot root, const QString& key) const override;
    QStringList SubKeys(RegRoot root, const QString& key) const override;
    void DeleteKey(RegRoot root, const QString& key) override;

    // Every key, as "HKCR\path" or "HKLM\path" in their own case, sorted.
    QStringList AllKeys() const;

private:
    struct Key {
        QString path;                                   // as first created
        QMap<QString, QPair<QString, QString>> values;  // folded name -> (name, value)
    };

    static QString Fold(RegRoot root, const QString& key);
    bool Allowed(const QString& operation, RegRoot root, const QString& key) const;

    QMap<QString, Key> keys_;  // by folded "root\path"
    Guard guard_;
};

}  // namespace lm
