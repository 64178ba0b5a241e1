#include "shell/app/webengine_setup.h"

#include <QtGlobal>

#include "shell/browser/document_scheme.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace orvelis {

void PrepareWebEngine() {
#ifndef _WIN32
  if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
#endif
  RegisterDocumentScheme();
}

}  // namespace orvelis
