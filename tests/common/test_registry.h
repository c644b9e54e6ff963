#pragma once
// Lets one test executable hold several Qt Test classes: each .cpp registers its class with
// ORVANEL_TEST(Class); test_main.cpp runs them all and fails when any fails.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace orvanel_test {

using Factory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<Factory>& registry()
{
    static std::vector<Factory> factories;
    return factories;
}

template <typename T>
struct Registrar {
    Registrar() { registry().push_back([] { return std::make_unique<T>(); }); }
};

} // namespace orvanel_test

#define ORVANEL_TEST(Class) static const orvanel_test::Registrar<Class> orvanelTestRegistrar_##Class;
