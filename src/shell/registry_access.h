// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <string>

namespace lm {

// The two registry roots the context-menu handler is registered under.
enum class RegRoot { ClassesRoot, LocalMachine };

// Raised by a registry for any failure other than a key it cannot open or
// create (those are reported by the return values).
class ERegistryException : public std::runtime_error {
public:
    explicit ERegistryException(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// A small view of a hierarchical key/value store with string values, the
// way the context-menu routines use the Windows registry. Key paths are
// separated by "\" and compared without regard to case. An empty value name
// is the key's default value.
class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;

    // Opens `key`; when `create`, creates it and every missing key on the
    // way. False when it does not exist (and was not to be created) or
    // cannot be opened or created.
    virtual bool OpenKey(RegRoot root, const QString& key, bool create) = 0;
    // Writes into a key that OpenKey has opened.
    virtual void WriteString(RegRoot root, const QString& key, const QString& name,
                             const QString& value) = 0;
    virtual std::optional<QString> ReadString(RegRoot root, const QString& key,
                                              const QString& name) const = 0;
    virtual bool KeyExists(RegRoot root, const QString& key) const = 0;
    // The names of the direct subkeys of `key`; empty when it has none.
    virtual QStringList SubKeys(RegRoot root, const QString& key) const = 0;
    // Deletes `key` with everything under it; a missing key is no error.
    virtual void DeleteKey(RegRoot root, const QString& key) = 0;
};

}  // namespace lm
