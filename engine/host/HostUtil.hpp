// Host utility functions of the engine: a debug log line, the element type of a selection kind and the
// value of a project autotext.
#pragma once

#include "ACAPinc.hpp"
#include "GS.hpp"

// Formats like printf into at most 511 bytes (longer output is cut) and writes the text as one line on
// the host's debug output. Nothing is shown to the user.
void WriteReport(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The element type of a selection kind; API_ZombieElemID when the host cannot map it.
API_ElemTypeID Neig_To_ElemID(API_NeigID neigID);

// The value of the first project autotext whose key equals `key` exactly, without "%" characters;
// "" when the host gives none. Logs the row it found.
GS::UniString Get_Autotext_By_Key(GS::UniString key);
