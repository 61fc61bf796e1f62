// The traces that let an armed alarm outlive the program, the start that arms it again, and
// the program's end after a failure.
#include "app/Program.h"
#include "background/frmAcordina_.h"
#include "mainwindow/frmAcordina.h"
#include "platform/Paths.h"

namespace acordina {
namespace {

constexpr wchar_t kRunValueName[] =
    L"o valor Acordina de HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kWontComeBack[] =
    L"O despertador será ligado mesmo assim, mas não voltará sozinho se o Acordina for fechado.";
constexpr wchar_t kMayComeBack[] =
    L"O despertador foi desligado, mas pode voltar ligado quando o Acordina for aberto de novo.";

std::wstring HoraMinuto(alarm::TimeOfDay t) {
    return std::wstring(alarm::FormatarHora(t).text, 5);
}

} // namespace

std::wstring Program::RecordPath() const {
    return win32::InFolder(dataFolder_, alarm::kRecordFileName);
}

void Program::Warn(const std::wstring& what, const win32::WriteResult& result,
                   const wchar_t* consequence) {
    if (!result.ok) {
        services_.messageBoxes.Show(main_ ? main_->hwnd() : nullptr,
                                    L"Não foi possível " + what + L".\n" + result.reason + L"\n" +
                                        consequence,
                                    L"Aviso", MB_ICONWARNING);
    }
}

void Program::WriteRecord() {
    const std::wstring path = RecordPath();
    Warn(L"gravar o registro do alarme em " + path,
         services_.comeback.WriteRecord(path, alarm::FormatRecord(*record_)), kWontComeBack);
}

void Program::GuardarAlarme(alarm::TimeOfDay despertar) {
    auto& comeback = services_.comeback;
    record_ = alarm::RestartRecord{despertar, services_.clock.Now(), std::nullopt};
    WriteRecord();
    Warn(std::wstring(L"gravar ") + kRunValueName,
         comeback.SetRunCommand(L"\"" + comeback.ExecutablePath() + L"\" " + kReligar),
         kWontComeBack);
    Warn(L"pedir ao Windows que reabra o Acordina depois de uma atualização",
         comeback.RegisterRestart(kReligar), kWontComeBack);
}

void Program::AlarmeTocou() {
    if (record_) {
        record_->tocou = services_.clock.Now();
        WriteRecord();
    }
}

void Program::EsquecerAlarme() {
    Esquecer(true);
}

void Program::EsquecerAlarmeCalado() {
    Esquecer(false);
}

void Program::Esquecer(bool avisar) {
    auto& comeback = services_.comeback;
    record_.reset();
    const std::wstring path = RecordPath();
    const win32::WriteResult record = comeback.RemoveRecord(path);
    const win32::WriteResult run = comeback.RemoveRunCommand();
    // The registration belongs to this process and goes with it: failing to cancel it leaves
    // nothing behind.
    comeback.RegisterRestart({});
    if (avisar) {
        Warn(L"apagar " + path, record, kMayComeBack);
        Warn(std::wstring(L"apagar ") + kRunValueName, run, kMayComeBack);
    }
}

std::optional<alarm::RestartRecord> Program::FoundRecord(bool religar) {
    const std::optional<std::string> bytes = services_.comeback.ReadRecord(RecordPath());
    std::optional<alarm::RestartRecord> record;
    if (bytes) {
        record = alarm::ParseRecord(*bytes);
    }
    // Damaged, or gone while the start from Windows stayed: nothing is left to bring back.
    if (!record && (bytes || religar)) {
        EsquecerAlarme();
    }
    return record;
}

// The alarm as the user armed it: the choices of Config.inf, the record's time.
void Program::Religar(const alarm::RestartRecord& record, bool religar) {
    const bool missed = alarm::MissedWhileAway(record, services_.clock.Now());
    main_->Religar(record.despertar);
    if (!module1.blnLigado) {
        // The kept choices no longer arm (a sound removed from the folder): the user decides.
        EsquecerAlarme();
        main_->Mostrar();
        return;
    }
    if (religar) {
        // Hidden, as after an arming; the balloon below is the one to read.
        background_->ShowHiddenHint();
    }
    const std::wstring hora = HoraMinuto(record.despertar);
    if (missed) {
        background_->objTray().PopupBalloon(L"O alarme das " + hora +
                                                L" não tocou: o computador estava desligado ou o "
                                                L"Acordina foi fechado.",
                                            L"Aviso", tray::NIIF_WARNING_);
    } else {
        background_->objTray().PopupBalloon(L"O alarme das " + hora +
                                                L" continua ligado: o Acordina foi reiniciado.",
                                            L"Aviso", tray::NIIF_INFO_);
    }
}

void Program::Falhou(const std::wstring& reason) noexcept {
    auto& comeback = services_.comeback;
    if (failing_) {
        comeback.ExitFailed();
        return;
    }
    failing_ = true;
    try {
        const bool ranAWhile =
            alarm::LocalSeconds(services_.clock.Now()) - alarm::LocalSeconds(started_) >=
            kMinimumRunSeconds;
        if (background_) {
            background_->Remove_Systray();
        }
        // The new copy must not find this one still running.
        onlyCopy_.reset();
        // The record stays: the new copy arms again from it.
        if (!(module1.blnLigado && ranAWhile && comeback.StartCopy(kReligar))) {
            services_.messageBoxes.Show(nullptr,
                                        L"O Acordina encontrou um erro e será fechado:\n" + reason,
                                        L"Acordina", MB_ICONERROR);
        }
    } catch (...) {
        // Ending is all that is left to do.
    }
    comeback.ExitFailed();
}

} // namespace acordina
