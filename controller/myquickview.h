#pragma once

#include "controller/actiongatherer.h"
#include "encoding/devicemodel.h"

#include <QQuickWidget>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <array>
#include <cstdint>
#include <memory>

class FamilyCommands;
class Hid_Thread;
class SettingsStores;
class QSettings;

// The controller behind the pages: loads the UI, holds the settings stores
// and the device profile images, and turns the UI's calls into device
// commands. The UI reaches it as "ui_View"; its public slots, in declaration
// order, are the UI's fixed interface.
class myQQuickView : public QQuickWidget {
    Q_OBJECT
public:
    explicit myQQuickView(QWidget *parent = nullptr);
    ~myQQuickView() override;

    Hid_Thread *hid = nullptr;
    // Read from the global settings when the view is made; the window hands
    // the same model to the transport.
    devicemodel::Model model;

    SettingsStores *stores() const { return m_stores; }
    int currentProfile() const;

    // The 560 command family is chosen at the moment of each call; the UI
    // asks here too, so that the family is told apart in one place.
    Q_INVOKABLE bool usesFamily560() const { return model.is560(); }

    // Key and mouse notices from the global input hooks.
    void keyboardNotice(bool isDown, int usbCode);
    void mouseNotice(bool isDown, unsigned buttonCode, unsigned x, unsigned y);

    // Whether the desktop took the last value given to a pointer setting
    // (1 pointer speed, 2 double-click time, 3 wheel lines), so that the
    // settings page need not pretend a refused value took effect.
    Q_INVOKABLE bool pointerSettingTaken(int setting) const;

    // Writes the settings changed so far to their files at once; false when
    // one could not be written (the user is told through storageFailed).
    Q_INVOKABLE bool flushSettings();

    // Whether a user action reached the mouse. The UI brackets the slots
    // of one action (a save, a report rate, a profile switch, ...) with
    // these; the end gives {action, ok, kind, commands, failed, command},
    // kind one of "done", "gone", "noAnswer", "busy", "refused", "notKept".
    // Actions may nest; the outermost one counts.
    Q_INVOKABLE void beginDeviceAction(const QString &name);
    Q_INVOKABLE QVariantMap endDeviceAction();
    // The outcome of the last action that ended; empty before the first.
    Q_INVOKABLE QVariantMap lastDeviceOutcome() const { return m_lastOutcome; }
    // True from a failed write until a catch-up action ("catchUp") has
    // sent the stored profile in use, also across a restart.
    Q_INVOKABLE bool mouseBehind() const;
    // The action name whose success means the mouse holds the stored profile.
    static constexpr char kCatchUpAction[] = "catchUp";

    // The UI's answer to a quit that had to ask about unsaved changes first.
    Q_INVOKABLE void quitProgram() { emit quitAsked(); }

    // The name the next export dialog offers (with the filter's extension);
    // an export of a macro offers the macro's name without being told.
    Q_INVOKABLE void nameNextExport(const QString &name);
    // What the last import or export dialog came to: "file" the picked file
    // ("" when cancelled), "name" its base name, "done" whether the file was
    // read or written.
    Q_INVOKABLE QVariantMap lastFileOutcome() const;

signals:
    // A settings file that was not written, not read or cannot be used, for
    // the user to see: `kind` is a storagefaults::Kind, `path` the file or
    // folder. Sent from the event loop, never from inside the failing call.
    void storageFailed(int kind, const QString &path);
    // The outcome of every user action on the mouse, as endDeviceAction gives it.
    void deviceActionEnded(const QVariantMap &outcome);
    void quitAsked();

public slots:
    void clearHidBusy();
    void initUI();
    void runUI();
    void resetApconfig();
    bool loadMacroFile(QVariant macroFileName);
    void saveMacroFile(QVariant macroFileName);
    bool loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);
    QStringList getLangStrings(QString typeStr, QString langCode);
    QVariant createMacroIni(QVariant name, QVariant macroIndex);
    QVariant updataNameList(QVariant type, QStringList nameList);
    QVariant modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname);
    void deleteMacroUpdateProfile(QVariant macroName);
    QVariant deleteMacroIni(QVariant name);
    QVariantList getNameList(QVariant type);
    QVariant saveMacroIni(QVariant name, QStringList macros, QVariant repeat);
    QVariant mouseSendMacroData(QVariantList macroData, QVariant macroIndex);
    QStringList loadMacroIni(QVariant name);
    void mouseSaveGundata(QVariant index, QVariantList src6);
    void mouseSendGundata(int, QVariantList);
    void modifyGundata(QVariant modifyType, QVariantList src6);
    QVariantList getGunData(QVariant name);
    QStringList getGunDataKey();
    QVariant getXYSensitive(QVariant index);
    QVariant getselectGun(QVariant index);
    void setXYSensitive(QVariant index, QVariant xyData);
    void setSelectGun(QVariant index, QVariant xyData);
    void setCurrentProfile(int profile);
    void mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void mouseSetReportRate(uchar rate);
    void mouseSetCurrentDPI(uchar currentDPI);
    void mouseResetKeyMatrix();
    QVariant mouseGetCurrentDPI();
    void mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam);
    void mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray);
    void mouseSetRGBEffect(uchar effect, uchar option1, uchar option2);
    void mouseSetRGBColor(uchar type, QVariantList src24);
    void mouseSetProfile(uint profileNo);
    void mouseReadProfile(uint profileNo);
    QVariant mouseReadCurrentProfile();
    void mouseSwitchKeyMatrix(int indexNo);
    QVariantList GetKeyboardoption();
    void mouseSetCursorSpeed(uint cursorSpeed);
    void mouseSetVerticalScrollLines(uint lines);
    void mouseSetDoubleClickSpeed(uint speed);
    QVariantList mouseGetKeydefine(QVariant index, bool isRecovery);
    void openUpdateExe();
    QVariant getData(QVariant key, bool isRecovery);
    QVariant getGlobalData(QVariant key);
    QVariantList getDataList(QVariant key, bool isRecovery);
    void setData(QVariant key, QVariant value);
    void setGlobalData(QVariant key, QVariant tmpdata);
    void setDataList(QVariant key, QVariantList datalist);
    void setBusy(int busyTime = 0);
    void setCurrentDPI(int dpiValue);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    // Calls a function of the UI's root item by name; a missing function is
    // ignored.
    void callUi(const char *function, Qt::ConnectionType type, const QVariantList &arguments = {});
    QSettings *profileStore(bool isRecovery) const;
    // The family's commands over the transport; only while hid is set.
    std::unique_ptr<FamilyCommands> commands() const;

    void watchTransport();
    // The file dialog over the view; records the pick for lastFileOutcome.
    QString askForFile(bool isSave, const char *filter, const QString &offeredName = QString());
    void noteFileOutcome(bool done);

    SettingsStores *m_stores = nullptr;
    std::array<bool, 3> m_pointerTaken{true, true, true};
    ActionGatherer m_gatherer;
    QVariantMap m_lastOutcome;
    Hid_Thread *m_watched = nullptr;
    QString m_nextExportName;
    QString m_lastFile;
    bool m_lastFileDone = false;
};
