#pragma once
// When this process started, in milliseconds since the epoch (from /proc where there is one).

#include <QtGlobal>

namespace orvelis {

qint64 ProcessStartMSecs();

}  // namespace orvelis
