#pragma once

#include "services/Services.h"

namespace acordina::win32 {

class SendInputKeyboard final : public Keyboard {
public:
    void SendTab() override;
};

} // namespace acordina::win32
