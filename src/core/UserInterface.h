#pragma once
// The one way the core reaches the user. The application installs an
// implementation built on its windows; with nothing installed, messages go to
// the standard error stream, progress and editing do nothing, and the
// hydrodynamic sweep keeps the store's ranges.

#include <string>
#include "DesignObjectClasses.h"

class CObjectStore;

enum class MessageIcon { Information, Warning, Error };

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A modal message box.
    virtual void showMessage(const std::string& text, const std::string& caption, MessageIcon icon);
    // An error-level log line.
    virtual void logError(const std::string& text);

    // Progress of a long run: begin, a value from 0 to 100, end.
    virtual void progressBegin() {}
    virtual void progressUpdate(int /*percent*/) {}
    virtual void progressEnd() {}
    // Called many times a second during a run, also between progress values,
    // so that the windows can answer while one start point takes long.
    virtual void progressKeepAlive() {}

    // Lets the user edit the four ranges of the hydrodynamic sweep held in the store.
    virtual void editSweepRanges(CObjectStore& /*store*/) {}

    // The editor of each kind of design object.
    virtual void edit(CMain& /*object*/) {}
    virtual void edit(CJib& /*object*/) {}
    virtual void edit(CSpi& /*object*/) {}
    virtual void edit(CHsf& /*object*/) {}
    virtual void edit(CRig& /*object*/) {}
    virtual void edit(CKeuningHYDRO& /*object*/) {}
    virtual void edit(Sulnarsetup& /*object*/) {}
};

// The installed implementation, or the standard-stream fallback when none is.
UserInterface& userInterface();

// Installs an implementation (not owned; nullptr restores the fallback) and
// returns the one installed before.
UserInterface* installUserInterface(UserInterface* ui);
