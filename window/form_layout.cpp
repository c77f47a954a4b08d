#include "window/form_layout.h"

#include "resources/resource_ids.h"

#include <stdexcept>
#include <vector>

namespace tandemix {

std::span<const FormComponent> FormComponents() {
  using K = ComponentKind;
  // One component a line reads as the window's description.
  // clang-format off
  static const std::vector<FormComponent> components = {
      {"imgLogo", K::Picture, nullptr, u"", {0, 0, kClientWidth, kLogoHeight}},
      {"MainPageControl", K::PageControl, nullptr, u"", {8, 65, 386, 217}},
      {"FunctionSheet", K::Page, "MainPageControl", u"功能选项", {}},
      {"SystemSetSheet", K::Page, "MainPageControl", u"设置", {}},
      {"AboutSheet", K::Page, "MainPageControl", u"关于", {}},
      {"grpTranOption", K::GroupBox, "FunctionSheet", u"翻译语种", {10, 10, 356, 160}},
      {"lblSendLang", K::Label, "FunctionSheet", u"发送消息", {34, 54, 80, 16}},
      {"cbbSendLang", K::ComboList, "FunctionSheet", u"", {120, 50, 220, 300}},
      {"lblRecvLang", K::Label, "FunctionSheet", u"接收消息", {34, 108, 80, 16}},
      {"cbbRecvLang", K::ComboList, "FunctionSheet", u"", {120, 104, 220, 300}},
      {"chkNeedConfirm", K::CheckBox, "SystemSetSheet", u"需要确认翻译的内容后再发送", {24, 28, 330, 20}},
      {"chkAutoRead", K::CheckBox, "SystemSetSheet", u"自动朗读发送和接收到的译文", {24, 70, 330, 20}},
      {"chkSaveHistory", K::CheckBox, "SystemSetSheet", u"自动保存原文和译文到聊天记录", {24, 112, 330, 20}, true},
      {"lblVersionHint", K::Label, "AboutSheet", u"版本：", {240, 14, 50, 16}},
      {"lblVersionStr", K::Label, "AboutSheet", u"2.8.0.1", {291, 14, 80, 16}},
      {"lblContactEmail", K::Label, "AboutSheet", u"联系Email：", {26, 52, 76, 16}},
      {"lblEmail", K::Link, "AboutSheet", u"", {103, 52, 260, 16}},
      {"lblWebSite", K::Label, "AboutSheet", u"网站地址：", {26, 87, 76, 16}},
      {"lblHomePage", K::Link, "AboutSheet", u"", {103, 87, 260, 16}},
      // Stop starts disabled: translation is off when the window is created.
      {"btnStart", K::Button, nullptr, u"启动翻译(&S)", {8, 290, 100, 25}, false, true, IDI_START},
      {"btnStop", K::Button, nullptr, u"停止翻译(&T)", {151, 291, 100, 25}, false, false, IDI_STOP},
      {"btnExit", K::Button, nullptr, u"退       出(&X)", {294, 291, 100, 25}, false, true, IDI_EXIT},
      {"mniMainWindow", K::MenuItem, "pmTrayMenu", u"显示主窗口", {}},
      {"mniExitApp", K::MenuItem, "pmTrayMenu", u"退出软件", {}},
  };
  // clang-format on
  return components;
}

const FormComponent& FindComponent(std::string_view name) {
  for (const FormComponent& component : FormComponents()) {
    if (name == component.name) return component;
  }
  throw std::logic_error("no component " + std::string(name));
}

}  // namespace tandemix
