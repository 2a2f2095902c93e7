// The VST 3 plug-in interface as this project uses it: identifiers, result
// codes, records and the interfaces' method tables, written from the
// interface's published binary facts. An interface is a C++ class of pure
// virtual methods in slot order, with no data and no virtual destructor, so
// its function table is the interface's table; one object implements several
// by deriving from each. The static_asserts at the end pin every record's
// layout for the build's target (Linux x86-64, 64- and 32-bit Windows).
//
// Thread tags: [main] the host's main (user-interface) thread, [audio] the
// processing thread, [any] either.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(_WIN32)
#define VST3_API __stdcall
#define VST3_EXPORT __attribute__((dllexport))
#else
#define VST3_API
#define VST3_EXPORT __attribute__((visibility("default")))
#endif

namespace gravelo::vst3::api {

// ---- Basic types --------------------------------------------------------

using tresult = int32_t;
using TBool = uint8_t;
using char16 = char16_t;
using String128 = char16[128];
using FIDString = const char*;
using ParamID = uint32_t;
using ParamValue = double;
using SpeakerArrangement = uint64_t;
using MediaType = int32_t;
using BusDirection = int32_t;
using TimerInterval = uint64_t;

// Windows uses the COM codes, every other target small numbers.
#if defined(_WIN32)
constexpr tresult kResultOk = 0;
constexpr tresult kResultFalse = 1;
constexpr tresult kNoInterface = static_cast<tresult>(0x80004002u);
constexpr tresult kInvalidArgument = static_cast<tresult>(0x80070057u);
constexpr tresult kNotImplemented = static_cast<tresult>(0x80004001u);
constexpr tresult kInternalError = static_cast<tresult>(0x80004005u);
constexpr tresult kNotInitialized = static_cast<tresult>(0x8000FFFFu);
constexpr tresult kOutOfMemory = static_cast<tresult>(0x8007000Eu);
#else
constexpr tresult kResultOk = 0;
constexpr tresult kResultFalse = 1;
constexpr tresult kNoInterface = -1;
constexpr tresult kInvalidArgument = 2;
constexpr tresult kNotImplemented = 3;
constexpr tresult kInternalError = 4;
constexpr tresult kNotInitialized = 5;
constexpr tresult kOutOfMemory = 6;
#endif
constexpr tresult kResultTrue = kResultOk;

// ---- Identifiers ----------------------------------------------------------

// Sixteen bytes of an interface or class id, made from its four words in the
// platform's byte order: COM order on Windows, big-endian words elsewhere.
struct Uid {
    char bytes[16];
};

constexpr Uid makeUid(uint32_t l1, uint32_t l2, uint32_t l3, uint32_t l4) {
    Uid id{};
    auto put = [&id](int at, uint32_t word, bool littleEndian) {
        for (int i = 0; i < 4; ++i) {
            const int shift = littleEndian ? 8 * i : 24 - 8 * i;
            id.bytes[at + i] = static_cast<char>((word >> shift) & 0xFF);
        }
    };
#if defined(_WIN32)
    put(0, l1, true);
    id.bytes[4] = static_cast<char>((l2 >> 16) & 0xFF);
    id.bytes[5] = static_cast<char>((l2 >> 24) & 0xFF);
    id.bytes[6] = static_cast<char>(l2 & 0xFF);
    id.bytes[7] = static_cast<char>((l2 >> 8) & 0xFF);
#else
    put(0, l1, false);
    put(4, l2, false);
#endif
    put(8, l3, false);
    put(12, l4, false);
    return id;
}

// Whether the sixteen bytes at `id` are those of `uid` (null is no id).
inline bool sameUid(const void* id, const Uid& uid) {
    return id != nullptr && std::memcmp(id, uid.bytes, sizeof uid.bytes) == 0;
}

namespace iid {
constexpr Uid FUnknown = makeUid(0x00000000, 0x00000000, 0xC0000000, 0x00000046);
constexpr Uid IPluginBase = makeUid(0x22888DDB, 0x156E45AE, 0x8358B348, 0x08190625);
constexpr Uid IPluginFactory = makeUid(0x7A4D811C, 0x52114A1F, 0xAED9D2EE, 0x0B43BF9F);
constexpr Uid IPluginFactory2 = makeUid(0x0007B650, 0xF24B4C0B, 0xA464EDB9, 0xF00B2ABB);
constexpr Uid IPluginFactory3 = makeUid(0x4555A2AB, 0xC1234E57, 0x9B122910, 0x36878931);
constexpr Uid IComponent = makeUid(0xE831FF31, 0xF2D54301, 0x928EBBEE, 0x25697802);
constexpr Uid IAudioProcessor = makeUid(0x42043F99, 0xB7DA453C, 0xA569E79D, 0x9AAEC33D);
constexpr Uid IProcessContextRequirements = makeUid(0x2A654303, 0xEF764E3D, 0x95B5FE83, 0x730EF6D0);
constexpr Uid IEditController = makeUid(0xDCD7BBE3, 0x7742448D, 0xA874AACC, 0x979C759E);
constexpr Uid IConnectionPoint = makeUid(0x70A4156F, 0x6E6E4026, 0x989148BF, 0xAA60D8D1);
constexpr Uid IPlugView = makeUid(0x5BC32507, 0xD06049EA, 0xA6151B52, 0x2B755B29);
constexpr Uid IEventHandler = makeUid(0x561E65C9, 0x13A0496F, 0x813A2C35, 0x654D7983);
constexpr Uid ITimerHandler = makeUid(0x10BDD94F, 0x41424774, 0x821FAD8F, 0xECA72CA9);
constexpr Uid IHostApplication = makeUid(0x58E595CC, 0xDB2D4969, 0x8B6AAF8C, 0x36A664E5);
constexpr Uid IComponentHandler = makeUid(0x93A0BEA3, 0x0BD045DB, 0x8E890B0C, 0xC1E46AC6);
constexpr Uid IPlugFrame = makeUid(0x367FAF01, 0xAFA94693, 0x8D4DA2A0, 0xED0882A3);
constexpr Uid IPlugViewContentScaleSupport =
    makeUid(0x65ED9690, 0x8AC44525, 0x8AADEF7A, 0x72EA703F);
constexpr Uid IRunLoop = makeUid(0x18C35366, 0x97764F1A, 0x9C5B8385, 0x7A871389);
constexpr Uid IBStream = makeUid(0xC3BF6EA2, 0x30994752, 0x9B6BF990, 0x1EE33E9B);
constexpr Uid IParameterChanges = makeUid(0xA4779663, 0x0BB64A56, 0xB44384A8, 0x466FEB9D);
constexpr Uid IParamValueQueue = makeUid(0x01263A18, 0xED074F6F, 0x98C9D356, 0x4686F9BA);
} // namespace iid

// ---- Constants ------------------------------------------------------------

constexpr int32_t kManyInstances = 0x7FFFFFFF;
constexpr int32_t kFactoryUnicode = 16;
constexpr const char* kVstAudioEffectClass = "Audio Module Class";

enum MediaTypes : int32_t { kAudio = 0, kEvent = 1 };
enum BusDirections : int32_t { kInput = 0, kOutput = 1 };
enum BusTypes : int32_t { kMain = 0, kAux = 1 };
enum BusFlags : uint32_t { kDefaultActive = 1 };
enum SymbolicSampleSizes : int32_t { kSample32 = 0, kSample64 = 1 };
constexpr SpeakerArrangement kSpeakerL = 1u << 0, kSpeakerR = 1u << 1, kSpeakerM = 1u << 19;
constexpr SpeakerArrangement kStereo = kSpeakerL | kSpeakerR, kMono = kSpeakerM;
constexpr uint32_t kNoTail = 0;
enum ParameterFlags : int32_t { kCanAutomate = 1, kIsReadOnly = 2, kIsList = 8 };
enum RestartFlags : int32_t { kParamValuesChanged = 4 };
enum SeekModes : int32_t { kIBSeekSet = 0, kIBSeekCur = 1, kIBSeekEnd = 2 };
constexpr const char* kEditorView = "editor";
constexpr const char* kPlatformTypeHWND = "HWND";
constexpr const char* kPlatformTypeX11 = "X11EmbedWindowID";

// ---- Records --------------------------------------------------------------

struct PFactoryInfo {
    char vendor[64];
    char url[256];
    char email[128];
    int32_t flags;
};

struct PClassInfo {
    char cid[16];
    int32_t cardinality;
    char category[32];
    char name[64];
};

struct PClassInfo2 {
    char cid[16];
    int32_t cardinality;
    char category[32];
    char name[64];
    uint32_t classFlags;
    char subCategories[128];
    char vendor[64];
    char version[64];
    char sdkVersion[64];
};

struct PClassInfoW {
    char cid[16];
    int32_t cardinality;
    char category[32];
    char16 name[64];
    uint32_t classFlags;
    char subCategories[128];
    char16 vendor[64];
    char16 version[64];
    char16 sdkVersion[64];
};

struct BusInfo {
    MediaType mediaType;
    BusDirection direction;
    int32_t channelCount;
    String128 name;
    int32_t busType;
    uint32_t flags;
};

struct RoutingInfo {
    MediaType mediaType;
    int32_t busIndex;
    int32_t channel;
};

struct ProcessSetup {
    int32_t processMode;
    int32_t symbolicSampleSize;
    int32_t maxSamplesPerBlock;
    double sampleRate;
};

struct AudioBusBuffers {
    int32_t numChannels;
    uint64_t silenceFlags;
    union {
        float** channelBuffers32;
        double** channelBuffers64;
    };
};

class IParameterChanges;
class IEventList;
struct ProcessContext;

struct ProcessData {
    int32_t processMode;
    int32_t symbolicSampleSize;
    int32_t numSamples;
    int32_t numInputs;
    int32_t numOutputs;
    AudioBusBuffers* inputs;
    AudioBusBuffers* outputs;
    IParameterChanges* inputParameterChanges;
    IParameterChanges* outputParameterChanges;
    IEventList* inputEvents;
    IEventList* outputEvents;
    ProcessContext* processContext;
};

struct ParameterInfo {
    ParamID id;
    String128 title;
    String128 shortTitle;
    String128 units;
    int32_t stepCount;
    ParamValue defaultNormalizedValue;
    int32_t unitId;
    int32_t flags;
};

struct ViewRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// ---- Interfaces -----------------------------------------------------------
// The compiler's "no virtual destructor" advice does not apply: these are
// tables, never deleted through.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

class FUnknown {
  public:
    virtual tresult VST3_API queryInterface(const char* iid, void** object) = 0;
    virtual uint32_t VST3_API addRef() = 0;
    virtual uint32_t VST3_API release() = 0;
};

class IPluginBase : public FUnknown {
  public:
    virtual tresult VST3_API initialize(FUnknown* context) = 0; // [main]
    virtual tresult VST3_API terminate() = 0;                   // [main]
};

class IPluginFactory : public FUnknown {
  public:
    virtual tresult VST3_API getFactoryInfo(PFactoryInfo* info) = 0;
    virtual int32_t VST3_API countClasses() = 0;
    virtual tresult VST3_API getClassInfo(int32_t index, PClassInfo* info) = 0;
    // cid and iid point at 16-byte ids.
    virtual tresult VST3_API createInstance(FIDString cid, FIDString iid, void** object) = 0;
};

class IPluginFactory2 : public IPluginFactory {
  public:
    virtual tresult VST3_API getClassInfo2(int32_t index, PClassInfo2* info) = 0;
};

class IPluginFactory3 : public IPluginFactory2 {
  public:
    virtual tresult VST3_API getClassInfoUnicode(int32_t index, PClassInfoW* info) = 0;
    virtual tresult VST3_API setHostContext(FUnknown* context) = 0;
};

class IBStream : public FUnknown {
  public:
    virtual tresult VST3_API read(void* buffer, int32_t bytes, int32_t* bytesRead) = 0;
    virtual tresult VST3_API write(void* buffer, int32_t bytes, int32_t* bytesWritten) = 0;
    virtual tresult VST3_API seek(int64_t position, int32_t mode, int64_t* result) = 0;
    virtual tresult VST3_API tell(int64_t* position) = 0;
};

class IComponent : public IPluginBase {
  public:
    virtual tresult VST3_API getControllerClassId(char classId[16]) = 0;
    virtual tresult VST3_API setIoMode(int32_t mode) = 0;
    virtual int32_t VST3_API getBusCount(MediaType type, BusDirection direction) = 0;
    virtual tresult VST3_API getBusInfo(MediaType type, BusDirection direction, int32_t index,
                                        BusInfo* bus) = 0;
    virtual tresult VST3_API getRoutingInfo(RoutingInfo* in, RoutingInfo* out) = 0;
    virtual tresult VST3_API activateBus(MediaType type, BusDirection direction, int32_t index,
                                         TBool state) = 0;
    virtual tresult VST3_API setActive(TBool state) = 0;
    virtual tresult VST3_API setState(IBStream* state) = 0;
    virtual tresult VST3_API getState(IBStream* state) = 0;
};

class IAudioProcessor : public FUnknown {
  public:
    virtual tresult VST3_API setBusArrangements(SpeakerArrangement* inputs, int32_t inputCount,
                                                SpeakerArrangement* outputs,
                                                int32_t outputCount) = 0;
    virtual tresult VST3_API getBusArrangement(BusDirection direction, int32_t index,
                                               SpeakerArrangement* arrangement) = 0;
    virtual tresult VST3_API canProcessSampleSize(int32_t symbolicSampleSize) = 0;
    virtual uint32_t VST3_API getLatencySamples() = 0;
    virtual tresult VST3_API setupProcessing(ProcessSetup* setup) = 0;
    virtual tresult VST3_API setProcessing(TBool state) = 0;
    virtual tresult VST3_API process(ProcessData* data) = 0; // [audio]
    virtual uint32_t VST3_API getTailSamples() = 0;
};

class IProcessContextRequirements : public FUnknown {
  public:
    virtual uint32_t VST3_API getProcessContextRequirements() = 0;
};

class IParamValueQueue : public FUnknown {
  public:
    virtual ParamID VST3_API getParameterId() = 0;
    virtual int32_t VST3_API getPointCount() = 0;
    virtual tresult VST3_API getPoint(int32_t index, int32_t* sampleOffset, ParamValue* value) = 0;
    virtual tresult VST3_API addPoint(int32_t sampleOffset, ParamValue value, int32_t* index) = 0;
};

class IParameterChanges : public FUnknown {
  public:
    virtual int32_t VST3_API getParameterCount() = 0;
    virtual IParamValueQueue* VST3_API getParameterData(int32_t index) = 0;
    virtual IParamValueQueue* VST3_API addParameterData(const ParamID* id, int32_t* index) = 0;
};

class IComponentHandler : public FUnknown {
  public:
    virtual tresult VST3_API beginEdit(ParamID id) = 0;
    virtual tresult VST3_API performEdit(ParamID id, ParamValue normalized) = 0;
    virtual tresult VST3_API endEdit(ParamID id) = 0;
    virtual tresult VST3_API restartComponent(int32_t flags) = 0;
};

class IPlugView;

class IEditController : public IPluginBase {
  public:
    virtual tresult VST3_API setComponentState(IBStream* state) = 0;
    virtual tresult VST3_API setState(IBStream* state) = 0;
    virtual tresult VST3_API getState(IBStream* state) = 0;
    virtual int32_t VST3_API getParameterCount() = 0;
    virtual tresult VST3_API getParameterInfo(int32_t index, ParameterInfo* info) = 0;
    virtual tresult VST3_API getParamStringByValue(ParamID id, ParamValue normalized,
                                                   String128 text) = 0;
    virtual tresult VST3_API getParamValueByString(ParamID id, char16* text,
                                                   ParamValue* normalized) = 0;
    virtual ParamValue VST3_API normalizedParamToPlain(ParamID id, ParamValue normalized) = 0;
    virtual ParamValue VST3_API plainParamToNormalized(ParamID id, ParamValue plain) = 0;
    virtual ParamValue VST3_API getParamNormalized(ParamID id) = 0;
    virtual tresult VST3_API setParamNormalized(ParamID id, ParamValue normalized) = 0;
    virtual tresult VST3_API setComponentHandler(IComponentHandler* handler) = 0;
    virtual IPlugView* VST3_API createView(FIDString name) = 0;
};

class IPlugFrame : public FUnknown {
  public:
    virtual tresult VST3_API resizeView(IPlugView* view, ViewRect* size) = 0;
};

class IPlugView : public FUnknown {
  public:
    virtual tresult VST3_API isPlatformTypeSupported(FIDString type) = 0;
    virtual tresult VST3_API attached(void* parent, FIDString type) = 0;
    virtual tresult VST3_API removed() = 0;
    virtual tresult VST3_API onWheel(float distance) = 0;
    virtual tresult VST3_API onKeyDown(char16 key, int16_t keyCode, int16_t modifiers) = 0;
    virtual tresult VST3_API onKeyUp(char16 key, int16_t keyCode, int16_t modifiers) = 0;
    virtual tresult VST3_API getSize(ViewRect* size) = 0;
    virtual tresult VST3_API onSize(ViewRect* size) = 0;
    virtual tresult VST3_API onFocus(TBool state) = 0;
    virtual tresult VST3_API setFrame(IPlugFrame* frame) = 0;
    virtual tresult VST3_API canResize() = 0;
    virtual tresult VST3_API checkSizeConstraint(ViewRect* rect) = 0;
};

// Optional on a view: the host's content scale (1.0, 1.5, 2.0 ...).
class IPlugViewContentScaleSupport : public FUnknown {
  public:
    virtual tresult VST3_API setContentScaleFactor(float factor) = 0;
};

// Linux: the host's run loop, lent to the editor through its frame.
class IEventHandler : public FUnknown {
  public:
    virtual void VST3_API onFDIsSet(int fd) = 0;
};

class ITimerHandler : public FUnknown {
  public:
    virtual void VST3_API onTimer() = 0;
};

class IRunLoop : public FUnknown {
  public:
    virtual tresult VST3_API registerEventHandler(IEventHandler* handler, int fd) = 0;
    virtual tresult VST3_API unregisterEventHandler(IEventHandler* handler) = 0;
    virtual tresult VST3_API registerTimer(ITimerHandler* handler, TimerInterval ms) = 0;
    virtual tresult VST3_API unregisterTimer(ITimerHandler* handler) = 0;
};

class IHostApplication : public FUnknown {
  public:
    virtual tresult VST3_API getName(String128 name) = 0;
    virtual tresult VST3_API createInstance(char cid[16], char iid[16], void** object) = 0;
};

#pragma GCC diagnostic pop

// ---- Exports --------------------------------------------------------------

using GetFactoryProc = IPluginFactory*(VST3_API*)();
using ModuleEntryProc = bool (*)(void*);
using ModuleExitProc = bool (*)();

// ---- Layouts --------------------------------------------------------------

static_assert(sizeof(PFactoryInfo) == 452 && offsetof(PFactoryInfo, flags) == 448);
static_assert(sizeof(PClassInfo) == 116 && offsetof(PClassInfo, name) == 52);
static_assert(sizeof(PClassInfo2) == 440 && offsetof(PClassInfo2, classFlags) == 116 &&
              offsetof(PClassInfo2, subCategories) == 120 && offsetof(PClassInfo2, vendor) == 248 &&
              offsetof(PClassInfo2, version) == 312 && offsetof(PClassInfo2, sdkVersion) == 376);
static_assert(sizeof(PClassInfoW) == 696 && offsetof(PClassInfoW, classFlags) == 180 &&
              offsetof(PClassInfoW, subCategories) == 184 && offsetof(PClassInfoW, vendor) == 312 &&
              offsetof(PClassInfoW, version) == 440 && offsetof(PClassInfoW, sdkVersion) == 568);
static_assert(sizeof(BusInfo) == 276 && offsetof(BusInfo, name) == 12 &&
              offsetof(BusInfo, busType) == 268 && offsetof(BusInfo, flags) == 272);
static_assert(sizeof(RoutingInfo) == 12);
static_assert(sizeof(ProcessSetup) == 24 && offsetof(ProcessSetup, sampleRate) == 16);
static_assert(sizeof(AudioBusBuffers) == 24 && offsetof(AudioBusBuffers, silenceFlags) == 8 &&
              offsetof(AudioBusBuffers, channelBuffers32) == 16);
static_assert(sizeof(ParameterInfo) == 792 && offsetof(ParameterInfo, title) == 4 &&
              offsetof(ParameterInfo, shortTitle) == 260 && offsetof(ParameterInfo, units) == 516 &&
              offsetof(ParameterInfo, stepCount) == 772 &&
              offsetof(ParameterInfo, defaultNormalizedValue) == 776 &&
              offsetof(ParameterInfo, unitId) == 784 && offsetof(ParameterInfo, flags) == 788);
static_assert(sizeof(ViewRect) == 16);
#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(ProcessData) == 48 && offsetof(ProcessData, inputs) == 20 &&
              offsetof(ProcessData, outputs) == 24 &&
              offsetof(ProcessData, inputParameterChanges) == 28 &&
              offsetof(ProcessData, processContext) == 44);
#else
static_assert(sizeof(ProcessData) == 80 && offsetof(ProcessData, inputs) == 24 &&
              offsetof(ProcessData, outputs) == 32 &&
              offsetof(ProcessData, inputParameterChanges) == 40 &&
              offsetof(ProcessData, processContext) == 72);
#endif
static_assert(sizeof(char16) == 2);

} // namespace gravelo::vst3::api
