// The module's one factory object (IPluginFactory3 and its bases).
#pragma once

#include "vst3/Vst3Interface.h"

namespace gravelo::vst3 {

class Factory final : public api::IPluginFactory3 {
  public:
    api::tresult VST3_API queryInterface(const char* iid, void** object) override;
    uint32_t VST3_API addRef() override;
    uint32_t VST3_API release() override;
    api::tresult VST3_API getFactoryInfo(api::PFactoryInfo* info) override;
    int32_t VST3_API countClasses() override;
    api::tresult VST3_API getClassInfo(int32_t index, api::PClassInfo* info) override;
    api::tresult VST3_API createInstance(api::FIDString cid, api::FIDString iid,
                                         void** object) override;
    api::tresult VST3_API getClassInfo2(int32_t index, api::PClassInfo2* info) override;
    api::tresult VST3_API getClassInfoUnicode(int32_t index, api::PClassInfoW* info) override;
    api::tresult VST3_API setHostContext(api::FUnknown* context) override;
};

} // namespace gravelo::vst3
