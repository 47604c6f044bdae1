// The four entry functions the host calls over the add-on's life, exported unmangled from the plug-in
// module so that the host finds them by name. The host calls CheckEnvironment when it loads the module,
// then RegisterInterface, then Initialize; FreeData before it unloads it. All run on the main thread.
#pragma once

#include "ACAPinc.hpp"

extern "C" {

// APIAddon_DontRegister (0) for any host application but 1; otherwise reads the add-on's name and
// description (items 1 and 2 of string resource 32000) into the record's addOnInfo and gives
// APIAddon_Normal (1). The record's other fields are left as the host filled them.
API_AddonType CheckEnvironment(API_EnvirParams* envir);
// Registers the menu of resource 32503; the host's result.
GSErrCode RegisterInterface();
// Installs the handler of menu 32503; the host's result.
GSErrCode Initialize();
// Closes the palette when it is open; always 0.
GSErrCode FreeData();
}
