#include "Resources.h"

#include <QCoreApplication>
#include <QHash>

namespace toolkit {

namespace {

template <class T>
T cached(const QString &resourcePath)
{
    static QHash<QString, T> *cache = nullptr;
    if (!cache) {
        cache = new QHash<QString, T>;
        qAddPostRoutine([] {
            delete cache;
            cache = nullptr;
        });
    }
    auto found = cache->constFind(resourcePath);
    if (found == cache->constEnd())
        found = cache->insert(resourcePath, T(resourcePath));
    return *found;
}

} // namespace

QPixmap picture(const QString &resourcePath) { return cached<QPixmap>(resourcePath); }
QIcon icon(const QString &resourcePath) { return cached<QIcon>(resourcePath); }

} // namespace toolkit
