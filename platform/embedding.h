#pragma once
// Windows of other processes shown inside ours (XEmbed): a game frame's plug adopted by a socket
// of the main window, and given back to the desktop before the socket goes.

#include <gtk/gtk.h>

#include "platform/window_messages.h"

namespace ylcs {

// A socket that stays when the window it holds goes away (a tab whose process died can still
// be closed), and asks for no space of its own.
GtkWidget* NewEmbeddingSocket();
// Adopts the window into the socket; the socket must lie in a realized window.
void EmbedWindow(GtkWidget* socket, WindowId window);
// Takes the window out of whatever holds it and hides it, so that destroying its socket cannot
// destroy the window of another process with it.
void ReleaseEmbeddedWindow(WindowId window);

}  // namespace ylcs
