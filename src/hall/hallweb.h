#pragma once

#include <QtGlobal>

namespace kv {

class HallWindow;

// Serves the hall view on the hall's network: /hall in any browser shows
// every mat as the window does, /hall/state gives the mats as JSON, and the
// WebSocket /ws/hall pushes them on every change. A port that cannot be
// opened is reported and the hall view runs on without serving. The server
// lives as long as the window. Returns the port served (port 0 takes a free
// one), 0 when none.
quint16 ServeHall(HallWindow& hall, quint16 port);

} // namespace kv
