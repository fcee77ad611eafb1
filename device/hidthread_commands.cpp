// The command slots of both families: each is one call of the runner over
// its table entry.
#include "device/hidthread.h"

#include "device/commandset.h"
#include "device/devicelog.h"
#include "device/linkclock.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Counts the commands in progress on the calling thread; a command started
// from an event handled in another's pause nests inside it.
class CommandScope {
public:
    CommandScope(int &depth, Hid_Thread &hid) : m_depth(depth), m_hid(hid)
    {
        if (m_depth++ == 0)
            emit m_hid.commandRunningChanged(true);
    }
    ~CommandScope()
    {
        if (--m_depth == 0)
            emit m_hid.commandRunningChanged(false);
    }

private:
    int &m_depth;
    Hid_Thread &m_hid;
};

} // namespace

void Hid_Thread::recordCommand(const QString &name, linkoutcome::Kind kind)
{
    m_lastOutcome = kind;
    // What a failed exchange left on the mouse is not known.
    if (kind != linkoutcome::Kind::Done)
        m_held.forget();
    emit commandEnded(name, kind);
}

void Hid_Thread::spareHeldWrites(bool spare)
{
    m_spareHeld = spare;
    m_lastWrite.reset();
}

bool Hid_Thread::runCommand(const commandset::Command &command, std::span<uint8_t> params, const uint8_t *payloadSource,
                            uint8_t *payloadTarget)
{
    using commandset::Exchange;
    const size_t dataLen = size_t(std::clamp(commandset::payloadLength(command, params), 0, kPayloadSize));
    std::vector<uint8_t> sent(dataLen, 0);
    if (payloadSource)
        std::copy_n(payloadSource, dataLen, sent.begin());
    std::optional<heldstate::Setting> write;
    if (command.exchange == Exchange::Send || command.exchange == Exchange::PerProfile)
        write = heldstate::settingOf(command, params, sent);
    if (write && m_spareHeld && heldstate::mayLeaveOut(m_held, *write, m_lastWrite)) {
        m_lastOutcome = linkoutcome::Kind::Done;
        emit commandHeld(QString::fromLatin1(command.name));
        return true;
    }

    const CommandScope scope(m_commandDepth, *this);
    const bool ok = runExchanges(command, params, payloadSource, payloadTarget);
    if (ok) {
        const std::span<const uint8_t> read = payloadTarget ? std::span<const uint8_t>(payloadTarget, dataLen)
                                                            : std::span<const uint8_t>(sent);
        m_held.succeeded(command, params, read);
        if (write && m_spareHeld)
            m_lastWrite = write;
    }
    recordCommand(QString::fromLatin1(command.name), ok ? linkoutcome::Kind::Done : m_exchangeFailure);
    return ok;
}

bool Hid_Thread::runExchanges(const commandset::Command &command, std::span<uint8_t> params,
                              const uint8_t *payloadSource, uint8_t *payloadTarget)
{
    using commandset::Exchange;

    if (!waitIdle()) {
        qCDebug(lcDeviceLines, "%s", command.failure);
        m_exchangeFailure = linkoutcome::Kind::Busy;
        return false;
    }

    const int dataLen = std::clamp(commandset::payloadLength(command, params), 0, kPayloadSize);

    if (command.exchange == Exchange::PerProfile) {
        // One wait for the whole operation; profiles 2 to 4 only on a gun mouse.
        const int last = m_model.lastUserProfile();
        linkoutcome::Kind worst = linkoutcome::Kind::Done;
        for (int p = devicemodel::kFirstUserProfile; p <= last; ++p) {
            // Each exchange frees the link at its end; the next profile's
            // takes it again at once, before its pauses let any event in.
            m_idle = false;
            commandReport = framing::commandReport(command.code, commandset::arguments(command, params, uint8_t(p)));
            if (sendCommand(0, command.settle) != 1)
                worst = linkoutcome::worse(worst, m_exchangeFailure);
        }
        m_exchangeFailure = worst;
        return worst == linkoutcome::Kind::Done;
    }

    commandReport = framing::commandReport(command.code, commandset::arguments(command, params));

    switch (command.exchange) {
    case Exchange::Send: {
        if (dataLen > 0) {
            if (payloadSource)
                std::memcpy(payload.data(), payloadSource, size_t(dataLen));
            else
                std::fill_n(payload.begin(), dataLen, uint8_t(0));
        }
        const bool ok = sendCommand(dataLen, command.settle) == 1;
        if (!command.settle)
            linkclock::sleep(kAfterCommandMs);
        return ok;
    }
    case Exchange::Query: {
        replyReport.fill(0);
        replyReport[framing::kReportIdOffset] = framing::kReportId;
        for (int i = 0; i < command.replyValues && i < int(params.size()); ++i)
            replyReport[framing::kReplyValuesOffset + i] = command.presetZero ? 0 : params[i];
        const bool ok = queryCommand(0) == 1;
        for (int i = 0; i < command.replyValues && i < int(params.size()); ++i)
            params[i] = replyReport[framing::kReplyValuesOffset + i];
        return ok;
    }
    case Exchange::ReadPayload: {
        if (payloadTarget)
            std::memcpy(payload.data(), payloadTarget, size_t(dataLen));
        const bool ok = queryCommand(dataLen) == 1;
        if (payloadTarget)
            std::memcpy(payloadTarget, payload.data(), size_t(dataLen));
        return ok;
    }
    case Exchange::PerProfile:
        break;
    }
    return false;
}

// A payload command without its data would send whatever the buffer held.
#define REQUIRE_SOURCE(pointer, command)                                                  \
    if (!(pointer)) {                                                                     \
        qCWarning(lcDevice) << (command).name << "called without its data; nothing sent"; \
        return;                                                                           \
    }

void Hid_Thread::hid553_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    uint8_t p[] = {byte1, byte2, byte3, byte4};
    runCommand(commandset::k553_00H, p);
    byte1 = p[0];
    byte2 = p[1];
    byte3 = p[2];
    byte4 = p[3];
}

void Hid_Thread::hid553_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    uint8_t p[] = {byte1, byte2, byte3, byte4};
    runCommand(commandset::k553_83H, p);
    byte1 = p[0];
    byte2 = p[1];
    byte3 = p[2];
    byte4 = p[3];
}

void Hid_Thread::hid560_81H_GetKeyboardoption(uchar &byte1, uchar &byte2)
{
    uint8_t p[] = {byte1, byte2};
    runCommand(commandset::k560_81H, p);
    byte1 = p[0];
    byte2 = p[1];
}

void Hid_Thread::hid560_82H_GetCurrentProfile(uchar &byte1)
{
    uint8_t p[] = {byte1};
    runCommand(commandset::k560_82H, p);
    byte1 = p[0];
}

void Hid_Thread::hid560_84H_GetCurrentDPI(uchar &byte1, uchar &byte2)
{
    uint8_t p[] = {byte1, byte2};
    runCommand(commandset::k560_84H, p);
    byte1 = p[0];
    byte2 = p[1];
}

void Hid_Thread::hid553_8BH_GetCurrentDPI(uchar &byte1)
{
    uint8_t p[] = {byte1};
    runCommand(commandset::k553_8BH, p);
    byte1 = p[0];
}

void Hid_Thread::hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    uint8_t p[] = {byte1, byte2, byte3, byte4};
    runCommand(commandset::k553_03H, p);
}

void Hid_Thread::hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    uint8_t p[] = {byte1, byte2, byte3, byte4};
    runCommand(commandset::k553_04H, p);
}

void Hid_Thread::hid560_01H_SetKeyboardoption(uchar byte1, uchar byte2)
{
    uint8_t p[] = {byte1, byte2};
    runCommand(commandset::k560_01H, p);
}

void Hid_Thread::hid553_01H_SetReportRate(uchar rate)
{
    uint8_t p[] = {rate};
    runCommand(commandset::k553_01H, p);
}

void Hid_Thread::hid560_03H_SetReportRate(uchar rate)
{
    uint8_t p[] = {rate};
    runCommand(commandset::k560_03H, p);
}

void Hid_Thread::hid560_04H_SetCurrentDPI(uchar stage)
{
    uint8_t p[] = {stage};
    runCommand(commandset::k560_04H, p);
}

void Hid_Thread::hid553_0BH_SetCurrentDPI(uchar stage)
{
    uint8_t p[] = {stage};
    runCommand(commandset::k553_0BH, p);
}

void Hid_Thread::hid553_12H_SetKeyMatrix(uchar *src64, uchar indexAddOne)
{
    REQUIRE_SOURCE(src64, commandset::k553_12H)
    uint8_t p[] = {indexAddOne};
    runCommand(commandset::k553_12H, p, src64);
}

void Hid_Thread::hid560_0DH_SetKeyMatrix(uchar *src64, uchar indexAddOne)
{
    REQUIRE_SOURCE(src64, commandset::k560_0DH)
    std::array<uint8_t, commandset::kBlock128> data{};
    std::memcpy(data.data(), src64, commandset::kKeyMatrix560Used);
    uint8_t p[] = {indexAddOne};
    runCommand(commandset::k560_0DH, p, data.data());
}

void Hid_Thread::hid560_0CH_setProfile(uchar *src128, uchar profileData)
{
    REQUIRE_SOURCE(src128, commandset::k560_0CH)
    uint8_t p[] = {profileData};
    runCommand(commandset::k560_0CH, p, src128);
}

void Hid_Thread::hid560_8CH_readProfile(uchar *src128, uchar profileNo)
{
    REQUIRE_SOURCE(src128, commandset::k560_8CH)
    uint8_t p[] = {profileNo};
    runCommand(commandset::k560_8CH, p, nullptr, src128);
}

bool Hid_Thread::readProfileImage(int n)
{
    if (n < 0 || n >= profileimage::kBlocks)
        return false;
    uint8_t p[] = {uint8_t(n)};
    const bool ok = runCommand(commandset::k560_8CH, p, nullptr, profileImages[size_t(n)].data());
    m_imageKnown[size_t(n)] = ok;
    return ok;
}

bool Hid_Thread::profileImageKnown(int n) const
{
    return n >= 0 && n < profileimage::kBlocks && m_imageKnown[size_t(n)];
}

bool Hid_Thread::writeProfileImage(int n)
{
    if (n < 0 || n >= profileimage::kBlocks)
        return false;
    profileimage::Block &written = profileImages[size_t(n)];
    uint8_t p[] = {uint8_t(n)};
    if (m_spareHeld && m_held.holds({heldstate::Place::Image, p[0], {written.begin(), written.end()}})) {
        m_lastOutcome = linkoutcome::Kind::Done;
        emit commandHeld(QString::fromLatin1(commandset::k560_0CH.name));
        return true;
    }
    const CommandScope scope(m_commandDepth, *this);
    constexpr int kTries = 2;
    for (int attempt = 1; attempt <= kTries; ++attempt) {
        if (!runCommand(commandset::k560_0CH, p, written.data()))
            return false;
        // Bytes the mouse does not send back must not pass for kept ones.
        profileimage::Block back;
        std::transform(written.begin(), written.end(), back.begin(), [](uint8_t b) { return uint8_t(~b); });
        if (!runCommand(commandset::k560_8CH, p, nullptr, back.data()))
            return false;
        const std::optional<int> differs = profileimage::firstDifference(written, back);
        if (!differs)
            return true;
        qCWarning(lcDevice) << "profile" << n << "read back different at byte" << *differs << "after write" << attempt
                            << "of" << kTries;
    }
    recordCommand(QStringLiteral("hid560_0CH_setProfile"), linkoutcome::Kind::NotKept);
    return false;
}

void Hid_Thread::hid560_02H_SetCurrentProfile(uchar profile)
{
    uint8_t p[] = {profile};
    runCommand(commandset::k560_02H, p);
}

void Hid_Thread::hid553_13H_SetMacroKey(uchar macroId, uchar *src128)
{
    REQUIRE_SOURCE(src128, commandset::k553_13H)
    uint8_t p[] = {macroId};
    runCommand(commandset::k553_13H, p, src128);
}

void Hid_Thread::hid560_0FH_SetMacroKey(uchar macroId, uchar *src128)
{
    REQUIRE_SOURCE(src128, commandset::k560_0FH)
    uint8_t p[] = {macroId};
    runCommand(commandset::k560_0FH, p, src128);
}

void Hid_Thread::hid553_11H_SetDPISet(uchar dpiStage, uchar *src8)
{
    REQUIRE_SOURCE(src8, commandset::k553_11H)
    uint8_t p[] = {dpiStage};
    runCommand(commandset::k553_11H, p, src8);
}

void Hid_Thread::hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix)
{
    uint8_t p[] = {currentKeyMatrix};
    runCommand(commandset::k553_02H, p);
}

void Hid_Thread::hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    uint8_t p[] = {effect, option1, option2};
    runCommand(commandset::k553_0DH, p);
}

void Hid_Thread::hid553_0CH_SetFixLEDColor(uchar *src3)
{
    REQUIRE_SOURCE(src3, commandset::k553_0CH)
    uint8_t p[] = {src3[0], src3[1], src3[2]};
    runCommand(commandset::k553_0CH, p);
}

void Hid_Thread::hid553_10H_SetLED8StageColor(uchar type, uchar *src24)
{
    REQUIRE_SOURCE(src24, commandset::k553_10H)
    const uint8_t count =
        type == commandset::kStageColourShortType ? commandset::kStageColoursShort : commandset::kStageColours;
    uint8_t p[] = {type, count};
    runCommand(commandset::k553_10H, p, src24);
}

#undef REQUIRE_SOURCE
