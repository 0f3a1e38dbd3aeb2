// PinzFX, the companion program: shares no code with Pinzola, only platform/.
#pragma once
