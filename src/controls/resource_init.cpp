#include "resource_init.h"

#include <QtCore/qglobal.h>

#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterGlyphResources() { Q_INIT_RESOURCE(resources); }

void InitControlResources() {
  static std::once_flag once;
  std::call_once(once, RegisterGlyphResources);
}
