#pragma once

#include "rule.h"

#include <QString>
#include <optional>

namespace korvane {

// The routing decision for one file.
struct RouteResult {
    enum Kind { App, MissingApp, None };

    Kind kind = None;
    QString app;              // the application's path, for App
    std::optional<Rule> rule; // the matching rule, for App and MissingApp

    static RouteResult toApp(const QString& app, const Rule& rule) { return {App, app, rule}; }
    static RouteResult missingApp(const Rule& rule) { return {MissingApp, {}, rule}; }
    static RouteResult none() { return {}; }
};

} // namespace korvane
