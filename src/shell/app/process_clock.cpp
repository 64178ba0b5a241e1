#include "shell/app/process_clock.h"

#include <QDateTime>
#include <QFile>
#include <QList>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace orvelis {

qint64 ProcessStartMSecs() {
#ifndef _WIN32
  // Field 22 of /proc/self/stat is the start time in clock ticks after boot.
  QFile stat(QStringLiteral("/proc/self/stat"));
  QFile uptime(QStringLiteral("/proc/uptime"));
  if (stat.open(QIODevice::ReadOnly) && uptime.open(QIODevice::ReadOnly)) {
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.size() > 19 ? fields[19].toDouble() : 0;
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    const double ageSeconds = upSeconds - startTicks / static_cast<double>(sysconf(_SC_CLK_TCK));
    return QDateTime::currentMSecsSinceEpoch() - static_cast<qint64>(ageSeconds * 1000);
  }
#endif
  return QDateTime::currentMSecsSinceEpoch();
}

}  // namespace orvelis
