// SPDX-License-Identifier: MIT
#include "memory_registry.h"

namespace lm {

namespace {

QString RootName(RegRoot root) {
    return root == RegRoot::ClassesRoot ? QStringLiteral("HKCR") : QStringLiteral("HKLM");
}

// Drops leading, trailing and doubled separators.
QString Normalized(const QString& key) {
    return key.split(u'\\', Qt::SkipEmptyParts).join(u'\\');
}

}  // namespace

QString MemoryRegistry::Fold(RegRoot root, const QString& key) {
    return (RootName(root) + u'\\' + Normalized(key)).toCaseFolded();
}

bool MemoryRegistry::Allowed(const QString& operation, RegRoot root, const QString& key) const {
    return !guard_ || guard_(operation, root, Normalized(key));
}

bool MemoryRegistry::OpenKey(RegRoot root, const QString& key, bool create) {
    const QString path = Normalized(key);
    if (path.isEmpty() || !Allowed(QStringLiteral("open"), root, path)) {
        return false;
    }
    if (keys_.contains(Fold(root, path))) {
        return true;
    }
    if (!create) {
        return false;
    }
    const QStringList parts = path.split(u'\\');
    QString walked;
    for (const QString& part : parts) {
        walked = walked.isEmpty() ? part : walked + u'\\' + part;
        const QString folded = Fold(root, walked);
        if (!keys_.contains(folded)) {
            keys_.insert(folded, Key{RootName(root) + u'\\' + walked, {}});
        }
    }
    return true;
}

void MemoryRegistry::WriteString(RegRoot root, const QString& key, const QString& name,
                                 const QString& value) {
    const auto it = keys_.find(Fold(root, key));
    if (it == keys_.end()) {
        throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
    }
    if (!Allowed(QStringLiteral("write"), root, key)) {
        throw ERegistryException(QStringLiteral("Failed to set data for '%1'").arg(name));
    }
    it->values.insert(name.toCaseFolded(), {name, value});
}

std::optional<QString> MemoryRegistry::ReadString(RegRoot root, const QString& key,
                                                  const QString& name) const {
    const auto it = keys_.find(Fold(root, key));
    if (it == keys_.end()) {
        return std::nullopt;
    }
    const auto value = it->values.find(name.toCaseFolded());
    if (value == it->values.end()) {
        return std::nullopt;
    }
    return value->second;
}

bool MemoryRegistry::KeyExists(RegRoot root, const QString& key) const {
    return !Normalized(key).isEmpty() && keys_.contains(Fold(root, key));
}

QStringList MemoryRegistry::SubKeys(RegRoot root, const QString& key) const {
    const QString prefix = Fold(root, key) + u'\\';
    QStringList names;
    for (auto it = keys_.lowerBound(prefix); it != keys_.end() && it.key().startsWith(prefix);
         ++it) {
        const QString rest = it.key().mid(prefix.size());
        if (!rest.contains(u'\\')) {
            names.append(it->path.section(u'\\', -1));
        }
    }
    return names;
}

void MemoryRegistry::DeleteKey(RegRoot root, const QString& key) {
    const QString folded = Fold(root, key);
    if (!keys_.contains(folded)) {
        return;
    }
    if (!Allowed(QStringLiteral("delete"), root, key)) {
        throw ERegistryException(QStringLiteral("Unable to delete key '%1'").arg(key));
    }
    const QString prefix = folded + u'\\';
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it.key() == folded || it.key().startsWith(prefix)) {
            it = keys_.erase(it);
        } else {
            ++it;
        }
    }
}

QStringList MemoryRegistry::AllKeys() const {
    QStringList all;
    for (const Key& k : keys_) {
        all.append(k.path);
    }
    all.sort(Qt::CaseInsensitive);
    return all;
}

}  // namespace lm
