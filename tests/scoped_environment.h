#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <map>

// Environment variables set (a null value: unset) for one scope, then put
// back as they were.
class ScopedEnvironment {
public:
    explicit ScopedEnvironment(const std::map<const char*, QByteArray>& values)
    {
        for (const auto& [name, value] : values) {
            before[name] = qgetenv(name);
            Put(name, value);
        }
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : before) {
            Put(name, value);
        }
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    static void Put(const char* name, const QByteArray& value)
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    std::map<const char*, QByteArray> before;
};
