#pragma once
// Module Globals: the product catalogue, the alert-beep flag, and the small
// helpers that every subsystem calls: name splitting, the application
// package test, type and creator codes, the full path kept in an alias
// record, timed waits, caution alerts and folder deletion.

#include <cstdint>
#include <vector>

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"

class Window;

namespace Globals {

// Set by the application at start-up; passed to every caution alert.
inline bool gBeep = false;
// The product catalogue: names and application codes by row, document codes.
inline std::vector<String> gAppName;
inline std::vector<String> gAppTypeCre;
inline std::vector<String> gDocTypeCre;
// The rows of the products that the gathering picks up.
enum CatalogueRow : std::int32_t {
    kSolvane = 0,
    kSwapdeck = 1,
    kTessaro = 3,
    kKelmo = 4,
    kBrisko = 9,
};

// Releases the module's arrays at the end of the application.
void ReleaseModuleState();

void gExtractBodyAndExtn(const String& name, String& body, String& extn);
String gExtractExtn(const String& name);
bool gAppPackage(const FolderItem& f);
// A package's TypeCre is the first line of its PkgInfo, read no further than
// eight bytes; a PkgInfo that is no regular file or has a longer line gives "".
String gGetTypeCre(const FolderItem& f);
// The full path that an alias record keeps, its bytes as they are; s itself
// when it keeps none.
String gAbsPath_ex(const String& s);

void gWait(double ms);

// Returns 0 for the alternate button, 2 for the action button, 1 otherwise.
int gCautionDlg(Window* parent, bool beep, int buttons, const String& alternate,
                const String& cancel, const String& action, const String& message,
                const String& explanation);
void gCautionDlg1(Window* parent, bool beep, const String& message, const String& explanation);

// Deletes f and, when it is a folder, everything in it.
void gDeleteFolder(const FolderItem& f);

} // namespace Globals
