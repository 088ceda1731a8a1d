#pragma once

#include "MessageThreadCall.h"
#include "ResponseSlot.h"
#include "UpdFileInfo.h"
#include "UpdatePacket.h"
#include "UpdateState.h"

#include "../device/HidCtrl.h"
#include "../device/HidHandler.h"
#include "../ui/AlineButton.h"
#include "../ui/CustomLookAndFeel.h"
#include "../ui/ProgressFollower.h"
#include "../ui/ScreenTexts.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <memory>

// The centre of the program: the window's content, the update thread
// "UpdatingThread", the receiver of device notifications and of the controls'
// events. Its operations are split by concern over the MainComponent_*.cpp files.
class MainComponent : public juce::Component,
                      public juce::AsyncUpdater,
                      public juce::Thread,
                      public HidHandler,
                      public juce::ComboBox::Listener,
                      public juce::Button::Listener
{
public:
    MainComponent();
    ~MainComponent() override;

    // Component
    void paint (juce::Graphics&) override;
    void resized() override;

    // Thread: the update engine (MainComponent_thread.cpp)
    void run() override;

    // Controls (MainComponent_controls.cpp)
    void comboBoxChanged (juce::ComboBox*) override;
    void buttonClicked (juce::Button*) override;

    void handleAsyncUpdate() override;

    // HidHandler
    void removalCallBack() override;
    void matchingCallBack() override;
    void inputCallBack (int) override;

    // Screens (MainComponent_screens.cpp)
    void UpdateDrawing();

    // Device checks (MainComponent_checks.cpp)
    bool CheckDeviceMode();
    bool CheckDeviceVersion();

    // Update file (MainComponent_files.cpp)
    void CheckUpdFile();
    int ParseUpdFile (const juce::File& file, int expectedSize, uint32_t* date, juce::String& version);
    bool CheckSysVer (juce::String& version);
    uint16_t CalcCRC (const uint8_t* data, int64_t length);

    // Packet exchange (MainComponent_protocol.cpp)
    bool SendDataAndWaitResponse();

    // --- Status writes shared by both threads ------------------------------
    // Writes state unless ERR_REMOVED is recorded; one compare-and-set, so a
    // removal recorded meanwhile is never replaced. True when written.
    bool setStateUnlessRemoved (int32_t state);
    // The one way an error ID is written.
    bool recordError (int32_t errorId) { return setStateUnlessRemoved (errorId); }
    int32_t getState() const noexcept { return updState.load(); }

    // --- Seams for tests, the demo and the tools ---------------------------
    // The operating-system type code and what follows from it.
    void overrideOsType (uint16_t code);
    // Where CheckUpdFile looks (by default the executable's own directory).
    void setUpdateFileDirectory (const juce::File& directory);

    static constexpr uint16_t lastOsTypeWithPause = 0x106;
    static constexpr uint16_t lastOsTypeReleasedByDestructor = 0x10E;

    // --- Members, in declaration order ------------------------------------
    // User interface (controls and screens)
    juce::GlyphArrangement screenText;
    juce::LangLookAndFeel langLookAndFeel;
    std::unique_ptr<juce::ComboBox> langCombo;
    std::unique_ptr<ProgressLookAndFeel> progressLookAndFeel;
    std::atomic<double> progress { 0.0 };   // written by the update thread
    double progressShown = 0.0;              // the bar's copy, message thread only
    std::unique_ptr<juce::ProgressBar> progressBar;
    std::unique_ptr<AlineButton> okButton;
    std::unique_ptr<AlineButton> cancelButton;

    // Engine
    juce::CriticalSection drawLock;
    juce::WaitableEvent responseEvent { false };
    UpdFileInfo updFiles[3];
    int64_t totalUpdSize = 0;
    std::atomic<int32_t> updState { UPD_INIT };
    int32_t updFileStatus = 0;
    int32_t deviceMode = 0;
    int32_t updFileKind = 0;
    uint32_t updFileDate = 0;
    uint32_t devDate = 0;
    juce::String updFileVersion;
    juce::String devVersion;
    uint32_t blockSum = 0;
    std::unique_ptr<HidCtrl> hidCtrl;
    UpdatePacket outPacket;
    ResponseSlot inPacket;       // written on the message thread, copied out by the update thread
    std::atomic<int32_t> curUpdKind { 0 };
    std::atomic<bool> mainFwUpdating { false };
    bool updStarted = false;
    std::atomic<int32_t> updFinished { 0 };
    bool sendPause = false;
    uint16_t osType = 0;

    // A foreground colour for the progress bar requested by the update
    // thread; applied on the message thread by the next screen rebuild. 0: none.
    std::atomic<uint32_t> requestedProgressColour { 0 };
    juce::File updateFileDirectory;

    // The inputs of the last full screen rebuild, so that a rebuild request
    // with nothing changed costs next to nothing. Message thread only.
    ui::ScreenInputs builtScreen;
    bool screenBuilt = false;
    uint32_t appliedProgressColour = 0;
    ui::ProgressFollower progressFollower { progress, progressShown };

    // How long a block may stay busy before the controller counts as not
    // answering (0x0E36). A seam so that tests need not wait the full minute.
    int busyPollLimitMs = 60000;

private:
    void buildControls();        // MainComponent_controls.cpp
    void destroyControls();      // MainComponent_controls.cpp
    void stopUpdateThread();     // asks the thread to exit, ends a pending wait, waits
    void triggerRedraw();        // drawLock held only around the trigger
    void quit();                 // MainComponent_controls.cpp
    void rebuildScreen (const ui::ScreenInputs&);   // MainComponent_screens.cpp

    // --- Engine (MainComponent_thread.cpp, MainComponent_transfer.cpp) ----
    // How a step ends: the next pass, stop (error or done), or look at updState.
    enum class StepExit { next, stop, settle };
    StepExit performStep (int32_t state);
    StepExit settle();
    void stopFromWithin();
    StepExit runChecks();
    StepExit sendBegin();
    StepExit sendBlockHead();
    StepExit sendBlockData();
    StepExit sendBlockSum();
    StepExit pollBlockStatus();
    StepExit finishUpdate();
    StepExit completeUpdate();
    StepExit recordAndStop (int32_t errorId);
    StepExit moveTo (int32_t phase);
    bool exchangeToJudge (StepExit& exitOtherwise);
    StepExit exchangeForOk (int32_t nextPhase);
    StepExit dataExchange();
    bool readVerifiedBlock (const UpdFileInfo& record, int64_t offset, int64_t length);
    void beginRequest (uint8_t target, uint8_t command) noexcept;
    void putAddressAndLength (int64_t address, int64_t length) noexcept;
    void releaseController();

    // Engine state, update thread only. The transfer position lives here
    // rather than in statics so that every component starts from zero.
    UpdatePacket response;               // copy of inPacket taken after each wait
    int32_t updKind = 0;
    int32_t readOffset = 0;
    int64_t alreadySentDataSize = 0;
    int waitMs = 1;
    double busyPollStartMs = 0.0;
    bool deviceVersionTextRejected = false;
    juce::MemoryBlock verifiedUpdFile;   // the bytes that passed the checks; the only bytes sent
    juce::HeapBlock<uint8_t> rereadBlock;    // the block read again from the file
    MessageThreadCall controllerRelease { [this] { releaseController(); } };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
