// The module's one factory object (IPluginFactory3 and its bases).
#pragma once

#include "vst3/Vst3Interface.h"

namespace vst3shell {

class Factory final : public vst3::IPluginFactory3 {
  public:
    vst3::tresult VST3_API queryInterface(const char* iid, void** object) override;
    uint32_t VST3_API addRef() override;
    uint32_t VST3_API release() override;
    vst3::tresult VST3_API getFactoryInfo(vst3::PFactoryInfo* info) override;
    int32_t VST3_API countClasses() override;
    vst3::tresult VST3_API getClassInfo(int32_t index, vst3::PClassInfo* info) override;
    vst3::tresult VST3_API createInstance(vst3::FIDString cid, vst3::FIDString iid,
                                          void** object) override;
    vst3::tresult VST3_API getClassInfo2(int32_t index, vst3::PClassInfo2* info) override;
    vst3::tresult VST3_API getClassInfoUnicode(int32_t index, vst3::PClassInfoW* info) override;
    vst3::tresult VST3_API setHostContext(vst3::FUnknown* context) override;
};

} // namespace vst3shell
