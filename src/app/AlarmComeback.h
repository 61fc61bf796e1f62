#pragma once
// What lets an armed alarm outlive the program, through the Comeback service: the record in the
// data folder, the Run value that starts the program at log-on, the registration that restarts
// it after an update; at the next start, the alarm armed again and the balloon that says so.
// Each trace that cannot be written or removed is told in a box.

#include "alarm/Module1.h"
#include "alarm/RestartRecord.h"
#include "platform/Paths.h"
#include "roles/Roles.h"
#include "services/Services.h"

#include <optional>
#include <string>

namespace acordina {

namespace mainwindow {
class frmAcordina;
}

class AlarmComeback {
public:
    // Made once the windows are; the data folder is chosen by then.
    AlarmComeback(win32::Services& services, const Module1& module1, const std::wstring& dataFolder,
                  mainwindow::frmAcordina& main, BackgroundRole& background)
        : services_(services), module1_(module1),
          recordPath_(win32::InFolder(dataFolder, alarm::kRecordFileName)), main_(main),
          background_(background) {}

    // The record found at start. A damaged one is removed with the rest of the traces, and so
    // are they when the start from Windows stayed but the record is gone.
    std::optional<alarm::RestartRecord> Found(bool religar);
    // Arms the found alarm as the user armed it: the choices of Config.inf, the record's time.
    // Started by Windows (`religar`), the main window stays hidden.
    void Religar(const alarm::RestartRecord& record, bool religar);

    // Armed for this time: from now on the alarm outlives the program.
    void Guardar(alarm::TimeOfDay despertar);
    void Tocou() {
        if (record_) {
            record_->tocou = services_.clock.Now();
            WriteRecord();
        }
    }
    // Removes the traces; tells the user of one left behind only when `avisar`.
    void Esquecer(bool avisar);

private:
    void WriteRecord();
    void Warn(const std::wstring& what, const win32::WriteResult& result,
              const wchar_t* consequence);

    win32::Services& services_;
    const Module1& module1_;
    const std::wstring recordPath_;
    mainwindow::frmAcordina& main_;
    BackgroundRole& background_;
    // The alarm's record as last written, while it exists.
    std::optional<alarm::RestartRecord> record_;
};

} // namespace acordina
