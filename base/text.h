// Marks a text the player reads, for the translators: `context` groups it
// with its neighbours. The text stays as it is here; the windows show it in
// the language spoken, looked up in that context.
#pragma once

#define IGNIVAR_TEXT(context, text) text
