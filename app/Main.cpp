#include "app/QuillowApp.h"

// The one application object of the process; its title comes from the string table.
CQuillowApp theApp;
