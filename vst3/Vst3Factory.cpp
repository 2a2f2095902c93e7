// The factory: one class, "Gravelo I" by Morvane, an effect whose component
// is also its controller. Its answers are constants, cheap and silent, as
// hosts scan in processes of their own.
#include "vst3/Vst3Factory.h"

#include "vst3/Vst3Amp.h"
#include "vst3/Vst3Identity.h"
#include "vst3/Vst3Strings.h"

namespace gravelo::vst3 {

using namespace gravelo::vst3::api;

tresult VST3_API Factory::queryInterface(const char* iid, void** object) {
    if (object == nullptr) return kInvalidArgument;
    const bool known = sameUid(iid, iid::FUnknown) || sameUid(iid, iid::IPluginFactory) ||
                       sameUid(iid, iid::IPluginFactory2) || sameUid(iid, iid::IPluginFactory3);
    *object = known ? static_cast<IPluginFactory3*>(this) : nullptr;
    return known ? kResultOk : kNoInterface;
}

// The factory lives as long as the module: counting changes nothing.
uint32_t VST3_API Factory::addRef() {
    return 1;
}

uint32_t VST3_API Factory::release() {
    return 1;
}

tresult VST3_API Factory::getFactoryInfo(PFactoryInfo* info) {
    if (info == nullptr) return kInvalidArgument;
    *info = PFactoryInfo{};
    copyText(kVendor, info->vendor);
    copyText(kUrl, info->url);
    copyText(kEmail, info->email);
    info->flags = kFactoryUnicode;
    return kResultOk;
}

int32_t VST3_API Factory::countClasses() {
    return 1;
}

tresult VST3_API Factory::getClassInfo(int32_t index, PClassInfo* info) {
    if (index != 0 || info == nullptr) return kInvalidArgument;
    *info = PClassInfo{};
    std::memcpy(info->cid, kClassId.bytes, sizeof info->cid);
    info->cardinality = kManyInstances;
    copyText(kVstAudioEffectClass, info->category);
    copyText(kName, info->name);
    return kResultOk;
}

namespace {

// The extended class record, in 8-bit (PClassInfo2) or UTF-16 (PClassInfoW)
// text.
template <class Record> tresult fillClassInfo(int32_t index, Record* info) {
    if (index != 0 || info == nullptr) return kInvalidArgument;
    *info = Record{};
    std::memcpy(info->cid, kClassId.bytes, sizeof info->cid);
    info->cardinality = kManyInstances;
    copyText(kVstAudioEffectClass, info->category);
    copyText(kName, info->name);
    info->classFlags = 0; // one object: not distributable
    copyText(kSubCategories, info->subCategories);
    copyText(kVendor, info->vendor);
    copyText(kVersion, info->version);
    copyText(kSdkVersion, info->sdkVersion);
    return kResultOk;
}

} // namespace

tresult VST3_API Factory::getClassInfo2(int32_t index, PClassInfo2* info) {
    return fillClassInfo(index, info);
}

tresult VST3_API Factory::getClassInfoUnicode(int32_t index, PClassInfoW* info) {
    return fillClassInfo(index, info);
}

tresult VST3_API Factory::createInstance(FIDString cid, FIDString iid, void** object) {
    if (object == nullptr) return kInvalidArgument;
    *object = nullptr;
    if (!sameUid(cid, kClassId)) return kNoInterface;
    Vst3Amp* amp = Vst3Amp::create();
    if (amp == nullptr) return kOutOfMemory;
    const tresult result = amp->queryInterface(iid, object);
    amp->release(); // the reference of create; the query holds its own
    return result;
}

// Nothing the plug-in needs comes from the host's context.
tresult VST3_API Factory::setHostContext(FUnknown* /*context*/) {
    return kResultOk;
}

} // namespace gravelo::vst3
