#include "platform/quiet_messages.h"

#include <QtGlobal>
#include <cstring>

namespace tarnik {

namespace {

QtMessageHandler previousHandler = nullptr;

// Drops the multimedia backend's messages, passes on the rest.
void FilterMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (IsMultimediaMessage(context.category, text)) return;
  if (previousHandler) previousHandler(type, context, text);
}

}  // namespace

bool IsMultimediaMessage(const char* category, const QString& text) {
  if (category && std::strncmp(category, "qt.multimedia", 13) == 0) return true;
  return text.startsWith(QLatin1String("PulseAudioService:")) ||
         text.startsWith(QLatin1String("No audio device detected"));
}

void RouteMultimediaMessagesAway() { previousHandler = qInstallMessageHandler(FilterMessage); }

}  // namespace tarnik
