// Precompiled header: the standard library and Qt core types every area uses.
#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
