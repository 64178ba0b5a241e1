#include "shell/browser/renderer_failures.h"

#include <QCoreApplication>

#include "ground/app_info.h"
#include "ports/message_sink.h"
#include "shell/browser/browser_pane.h"
#include "shell/platform/qt_text.h"

namespace orvelis {

void RendererFailures::Watch(BrowserPane* pane) {
  // Queued: not from inside the page's own signal; panes sharing a render process fail together.
  connect(pane, &BrowserPane::rendererFailed, this, &RendererFailures::Report,
          static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::UniqueConnection));
}

void RendererFailures::Report() {
  if (shown_) return;  // one box for the panes that failed together
  shown_ = true;
  messages_.Show({S(QCoreApplication::translate(
                      "RendererFailures",
                      "Не удалось показать страницу: обозреватель несколько раз подряд завершился аварийно. "
                      "Откройте страницу снова или перезапустите программу.")),
                  ApplicationTitle(), MessageIcon::Exclamation, MessageButtons::Ok});
  shown_ = false;
}

}  // namespace orvelis
