#include "app/AlarmComeback.h"

#include "alarm/AlarmTexts.h"
#include "alarm/CommandLine.h"
#include "mainwindow/frmAcordina.h"
#include "tray/cTrayBalloon.h"

namespace acordina {
namespace {

constexpr wchar_t kRunValueName[] =
    L"o valor Acordina de HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kWontComeBack[] =
    L"O despertador será ligado mesmo assim, mas não voltará sozinho se o Acordina for fechado.";
constexpr wchar_t kMayComeBack[] =
    L"O despertador foi desligado, mas pode voltar ligado quando o Acordina for aberto de novo.";

} // namespace

void AlarmComeback::Warn(const std::wstring& what, const win32::WriteResult& result,
                         const wchar_t* consequence) {
    if (!result.ok) {
        services_.messageBoxes.Show(main_.hwnd(),
                                    L"Não foi possível " + what + L".\n" + result.reason + L"\n" +
                                        consequence,
                                    L"Aviso", MB_ICONWARNING);
    }
}

void AlarmComeback::WriteRecord() {
    Warn(L"gravar o registro do alarme em " + recordPath_,
         services_.comeback.WriteRecord(recordPath_, alarm::FormatRecord(*record_)), kWontComeBack);
}

void AlarmComeback::Guardar(alarm::TimeOfDay despertar) {
    auto& comeback = services_.comeback;
    record_ = alarm::RestartRecord{despertar, services_.clock.Now(), std::nullopt};
    WriteRecord();
    Warn(std::wstring(L"gravar ") + kRunValueName,
         comeback.SetRunCommand(alarm::CommandLine(comeback.ExecutablePath(), alarm::kReligar)),
         kWontComeBack);
    Warn(L"pedir ao Windows que reabra o Acordina depois de uma atualização",
         comeback.RegisterRestart(alarm::kReligar), kWontComeBack);
}

void AlarmComeback::Esquecer(bool avisar) {
    auto& comeback = services_.comeback;
    record_.reset();
    const win32::WriteResult record = comeback.RemoveRecord(recordPath_);
    const win32::WriteResult run = comeback.RemoveRunCommand();
    // The registration belongs to this process and goes with it: failing to cancel it leaves
    // nothing behind.
    comeback.RegisterRestart({});
    if (avisar) {
        Warn(L"apagar " + recordPath_, record, kMayComeBack);
        Warn(std::wstring(L"apagar ") + kRunValueName, run, kMayComeBack);
    }
}

std::optional<alarm::RestartRecord> AlarmComeback::Found(bool religar) {
    const std::optional<std::string> bytes = services_.comeback.ReadRecord(recordPath_);
    std::optional<alarm::RestartRecord> record;
    if (bytes) {
        record = alarm::ParseRecord(*bytes);
    }
    // Damaged, or gone while the start from Windows stayed: nothing is left to bring back.
    if (!record && (bytes || religar)) {
        Esquecer(true);
    }
    return record;
}

void AlarmComeback::Religar(const alarm::RestartRecord& record, bool religar) {
    const bool missed = alarm::MissedWhileAway(record, services_.clock.Now());
    main_.Religar(record.despertar);
    if (!module1_.blnLigado) {
        // The kept choices no longer arm (a sound removed from the folder): the user decides.
        Esquecer(true);
        main_.Mostrar();
        return;
    }
    const auto news = missed ? alarm::AlarmNews::MissedWhileAway : alarm::AlarmNews::StillArmed;
    // Started by Windows, hidden as after an arming; the balloon is the one to read.
    background_.AlertaReligado({alarm::AlarmNewsText(news, record.despertar),
                                missed ? tray::NIIF_WARNING_ : tray::NIIF_INFO_},
                               religar);
}

} // namespace acordina
