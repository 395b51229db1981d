#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

// Stand-alone custom widgets in every state they can show, each sheet on a white host.
std::map<QString, std::function<std::unique_ptr<QWidget>()>> WidgetSamples();
