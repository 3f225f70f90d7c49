#pragma once
// The gathering thread of STEP 2. A full scan looks at the folders lying
// directly in the Applications folder, recognises the maker's applications in
// them by type and creator (never by name) and picks up each gathered product:
// its application, preference, Application Support and document folders go
// into the wizard's item store and one GroupRow into the item list. A manual add
// examines the one folder, file or package that the user chose.
//
// It runs as a cooperative thread beside the windows and yields after each
// folder of the scan, after each child and each non-matching catalogue code
// in recognition, and after each row it expands; several runs may be alive
// at once and share the item store. A full scan polls the wizard's stop flag
// after each folder; a manual add can't be stopped.

#include <cstdint>
#include <memory>

#include "platform/files/FolderItem.h"
#include "platform/text/String.h"
#include "platform/threads/Thread.h"

class Window1;

class Thread2 : public Thread {
public:
    // Recognition results besides the catalogue's rows 0 to 11.
    static constexpr std::int32_t kDocumentFolder = 998;
    static constexpr std::int32_t kDocumentFile = 999;
    static constexpr std::int32_t kNothing = -1;
    // Where the item being recognised comes from.
    static constexpr std::int32_t kScanned = 1;
    static constexpr std::int32_t kChosenByHand = 2;

    // The wizard that started the run.
    std::shared_ptr<Window1> pWin1;
    // True: this machine's user folders (external device); False: the old machine's disk.
    bool pExdrive = false;
    // Network method: the old machine's volume and user folder name.
    std::int32_t pVolNo = 0;
    String pUser;
    // Full scan: the Applications folder; manual add: the item chosen.
    FolderItem pFI;
    // False: full scan of pFI's children; True: manual add of pFI itself.
    bool pSelect = false;

    // Scan and recognition.
    void GetItem2(const FolderItem& root);
    std::int32_t GetItem2FindCre(const FolderItem& item, std::int32_t mode);
    std::int32_t GetItem2FindCreD(const FolderItem& folder);
    std::int32_t GetItem2FindCreF(const FolderItem& item);
    std::int32_t GetItem2FindDocD(const FolderItem& folder);
    std::int32_t GetItem2FindDocF(const FolderItem& item);
    bool GetItem2Pickup(const FolderItem& item, std::int32_t mode);

    // Pick-up: each takes the product's ItemIndexList and returns it extended.
    String GetItem2PUApp(const String& list, const FolderItem& item);
    String GetItem2PUAS(const String& list, const String& name);
    void GetItem2PUDoc(const String& text, const FolderItem& item, const String& kind);
    // A product's document folder, named in its preference file, as "DD";
    // the readers give it from the product's preference folder, or Nil.
    String GetItem2PUDocDSolv(const String& s, const FolderItem& f);
    FolderItem GetItem2PUDocDSolv2(const FolderItem& p);
    String GetItem2PUDocDTessa(const String& s, const FolderItem& f);
    FolderItem GetItem2PUDocDTessa2(const FolderItem& p);
    String GetItem2PUDocDKlm(const String& s, const FolderItem& f);
    FolderItem GetItem2PUDocDKlm2(const FolderItem& p);
    void GetItem2PUItem(const String& list, const String& name);
    String GetItem2PUPref(const String& list, const String& name);
    void GetItem2Select(const FolderItem& item);

    // The user's folders for the transfer method; Nil when out of reach.
    FolderItem GetFolderAS();
    FolderItem GetFolderPref();

protected:
    void Event_Run() override;

private:
    // Registers folder's entry `name` under `kind` when it exists.
    String PickUpChild(const String& list, const FolderItem& folder, const String& name,
                       const String& kind);
};
