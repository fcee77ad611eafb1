#pragma once

#include "device/deviceentry.h"
#include "device/dpiswitchtext.h"
#include "device/framing.h"
#include "device/heldstate.h"
#include "device/linkcipher.h"
#include "device/linkoutcome.h"
#include "encoding/devicemodel.h"
#include "encoding/profileimage.h"

#include <QFuture>
#include <QMutex>
#include <QThread>

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

struct hid_device_;
class DeviceOwner;
namespace commandset {
struct Command;
}

// The only path to the mouse. Derived from QThread by design but never
// started: exchanges run on the calling (GUI) thread and keep its event
// loop alive while they wait; the listener runs on the global thread pool.
//
// The public slots, in this order, are what the UI may call through "hid".
class Hid_Thread : public QThread {
    Q_OBJECT
    // True while a command runs on this thread: waiting for the link, in its
    // exchange or in a pause of it. The pauses handle events, so whatever an
    // event starts meanwhile starts inside that command.
    Q_PROPERTY(bool commandRunning READ commandRunning NOTIFY commandRunningChanged)
public:
    static constexpr int kReportSize = framing::kReportSize;
    static constexpr int kPayloadSize = 512;
    static constexpr int kIdleTries = 255;
    static constexpr int kIdleStepMs = 8;
    static constexpr int kSettleStepMs = 64;   // a settle pause is two steps
    static constexpr int kReportPauseMs = 120; // after every output report
    static constexpr int kAfterCommandMs = 8;  // commands without settle
    static constexpr int kEventReadMs = 500;
    // A mouse that stops sending in the middle of a data phase must not hold
    // the GUI thread for ever: each input report is awaited this long.
    static constexpr int kPayloadReadMs = 1000;

    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    DeviceOwner *owner = nullptr;
    // Guarded by tableLock whenever a listener may run.
    DeviceTable deviceTable;
    int deviceIndex = 1;
    hid_device_ *cmdHandle = nullptr;   // GUI thread only
    hid_device_ *eventHandle = nullptr; // the listener only
    std::array<uint8_t, kReportSize> commandReport{};
    std::array<uint8_t, kReportSize> replyReport{};
    std::array<uint8_t, kPayloadSize> payload{};
    // The 560 family's on-board profile images, blocks 0 to 4, as the
    // connect read them and the device operations patched and sent them.
    profileimage::Blocks profileImages{};
    // The link's secrecy code: all zero at start, bytes 1 to 6 set by the
    // handshake from the device entry. GUI thread only.
    linkcipher::Code secrecyCode{};
    // The tray texts of a DPI change made on the mouse.
    DpiSwitchTexts dpiSwitchTexts;

    // The mouse as the global settings describe it; chooses the family of
    // the event-notice option and how many profiles a per-profile command
    // addresses.
    void setDeviceModel(const devicemodel::Model &model) { m_model = model; }
    const devicemodel::Model &deviceModel() const { return m_model; }

    // Replaces the table; the detection pass calls it only while no listener
    // task runs.
    void setDeviceTable(const DeviceTable &table);
    // A copy of entry index, if there is one.
    std::optional<DeviceEntry> entry(int index) const;
    // True while a listener task has not ended (its flag may already be clear).
    bool listenerActive() const;

    // The link is taken by one exchange at a time. waitIdle takes it,
    // waiting while events are handled; releaseLink frees it, also when a
    // connect starts over an exchange that never ended.
    bool waitIdle();
    void releaseLink() { m_idle = true; }
    bool isIdle() const { return m_idle; }
    int sendCommand(int dataLen, bool settle);
    int queryCommand(int dataLen);
    hid_device_ *openCmdDevice(int index);
    hid_device_ *openEventDevice(int index);
    void closeCmdDevice();
    void closeEventDevice();
    void startListening(uint index);
    // Asks the listener to end after its current read.
    void stopListening();
    bool isListening() const { return m_listening.load(); }
    void waitForListenerEnd() { m_listener.waitForFinished(); }
    QFuture<void> listenerTask() const { return m_listener; }
    void listen(uint index);

    bool commandRunning() const { return m_commandDepth > 0; }

    // Reads block n (0 to 4) from the mouse into profileImages; true when
    // the mouse sent the whole image.
    bool readProfileImage(int n);
    // Whether block n was read from the mouse since it connected: an image
    // the mouse never sent must not be patched and written back.
    bool profileImageKnown(int n) const;
    // At a connect: every image is to be read again.
    void forgetProfileImages() { m_imageKnown.fill(false); }
    // Writes block n and reads it back; a copy the mouse did not keep is
    // written once more. False, with the failure recorded, when the mouse
    // does not hold the block afterwards.
    bool writeProfileImage(int n);

    // How the last command ended, all its exchanges together.
    linkoutcome::Kind lastCommandOutcome() const { return m_lastOutcome; }

    // What the connected mouse holds, as far as the program knows: the
    // images read from it and every write that succeeded since it connected.
    // Any failed command and every connect and disconnect forget it all.
    const heldstate::HeldState &held() const { return m_held; }
    void forgetHeld() { m_held.forget(); }
    // While set, a write of what the mouse already holds is left out (no
    // exchange, no pause) and reported as commandHeld; a 560 image it holds
    // is neither written nor read back.
    void spareHeldWrites(bool spare);
    bool sparesHeldWrites() const { return m_spareHeld; }

signals:
    // Emitted when the first command starts and when the last one has ended.
    void commandRunningChanged(bool running);
    // After every command (and after a written image that read back
    // different): its name and how it ended.
    void commandEnded(const QString &command, linkoutcome::Kind kind);
    // A write left out because the mouse holds what it would write.
    void commandHeld(const QString &command);

public slots:
    uchar hidCS(uchar *cmd);
    bool chkDeviceIsEnCode(int);
    void USBDataEncryption(uchar *FIFOBuf, uchar *SecrecyCode);
    void USBDataDecipher(uchar *FIFOBuf, uchar *SecrecyCode);
    void hid553_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid553_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    void hid560_81H_GetKeyboardoption(uchar &byte1, uchar &byte2);
    void hid560_82H_GetCurrentProfile(uchar &byte1);
    void hid560_84H_GetCurrentDPI(uchar &byte1, uchar &byte2);
    void hid553_8BH_GetCurrentDPI(uchar &byte1);
    void hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid560_01H_SetKeyboardoption(uchar byte1, uchar byte2);
    void hid553_01H_SetReportRate(uchar rate);
    void hid560_03H_SetReportRate(uchar rate);
    void hid560_04H_SetCurrentDPI(uchar stage);
    void hid553_0BH_SetCurrentDPI(uchar stage);
    void hid553_12H_SetKeyMatrix(uchar *src64, uchar indexAddOne);
    void hid560_0DH_SetKeyMatrix(uchar *src64, uchar indexAddOne);
    void hid560_0CH_setProfile(uchar *src128, uchar profileData);
    void hid560_8CH_readProfile(uchar *src128, uchar profileNo);
    void hid560_02H_SetCurrentProfile(uchar profile);
    void hid553_13H_SetMacroKey(uchar macroId, uchar *src128);
    void hid560_0FH_SetMacroKey(uchar macroId, uchar *src128);
    void hid553_11H_SetDPISet(uchar dpiStage, uchar *src8);
    void hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix);
    void hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);
    void hid553_0CH_SetFixLEDColor(uchar *src3);
    void hid553_10H_SetLED8StageColor(uchar type, uchar *src24);

private:
    std::optional<DeviceEntry> sendCommandReport(int index);
    int endExchange(int result);
    // An exchange that failed after its interface was opened: gone when the
    // mouse no longer enumerates, else `kind`.
    int failExchange(int index, linkoutcome::Kind kind);
    void recordCommand(const QString &name, linkoutcome::Kind kind);
    bool runExchanges(const commandset::Command &command, std::span<uint8_t> params, const uint8_t *payloadSource,
                      uint8_t *payloadTarget);

    // One command as its table entry says: waits for the idle flag, builds
    // the report, runs the exchange, copies the reply into params. Returns
    // true when every exchange succeeded; false also when the link was busy.
    bool runCommand(const commandset::Command &command, std::span<uint8_t> params,
                    const uint8_t *payloadSource = nullptr, uint8_t *payloadTarget = nullptr);
    void setPath(int index, bool command, const QString &path);
    // Hands a call to the GUI thread, where the owner may be used.
    template <typename Call> void toOwner(Call call);
    void settlePause();

    friend struct HidThreadTestAccess; // tests fake a running listener

    bool m_idle = true; // GUI thread only
    std::atomic_bool m_listening{false};
    QFuture<void> m_listener;
    mutable QMutex tableLock;
    devicemodel::Model m_model; // GUI thread only
    int m_commandDepth = 0;     // GUI thread only
    // Why the last exchange failed; Done after a good one.
    linkoutcome::Kind m_exchangeFailure = linkoutcome::Kind::Done;
    linkoutcome::Kind m_lastOutcome = linkoutcome::Kind::Done;
    std::array<bool, profileimage::kBlocks> m_imageKnown{};
    heldstate::HeldState m_held;                   // GUI thread only
    bool m_spareHeld = false;                      // GUI thread only
    std::optional<heldstate::Setting> m_lastWrite; // the last write sent while sparing
};
