// SPDX-License-Identifier: MIT
#include "control_description.h"

namespace plakora {
namespace {

using K = ControlKind;
using N = ControlName;
using F = FontName;
using P = BuiltinPicture;
using M = PictureMode;

constexpr ColourSetting kFace = ColourSetting::ButtonFace();
constexpr ColourSetting kBlack = ColourSetting::Rgb(0, 0, 0);
constexpr ColourSetting kWhite = ColourSetting::Rgb(255, 255, 255);
constexpr ColourSetting kRed = ColourSetting::Rgb(255, 0, 0);
constexpr ColourSetting kBlue = ColourSetting::Rgb(0, 0, 255);

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

constexpr const char* kDeviceItems[] = {"1号设备", "2号设备", "3号设备", "4号设备", "5号设备"};

// Order matters: it is the z-order (first on top) and decides the tab cycle.
constexpr ControlDescription kControls[] = {
    {N::OpenFolderButton, K::Button, "按钮_打开文件夹", 369172231, N::MainWindow, {154, 598, 111, 35},
     true, true, "预览", F::Font1, kBlack, kFace, kCentred, P::None, M::None, {}},
    {N::StatusEdit, K::EditBox, "编辑框_生成信息", 369172230, N::MainWindow, {8, 600, 144, 32}, true,
     true, "生成完毕 -> 1号设备10元", F::DefaultGui, kBlack, kWhite, kLeft, P::None, M::None, {}},
    {N::DeviceLabel, K::Label, "透明标签_设备号", 369172225, N::HeaderBox, {24, 9, 48, 52}, true, false,
     "1", F::Font2, kRed, kFace, kCentred, P::DeviceLabel, M::Tiled, {}},
    {N::LoadPictureButton, K::Button, "按钮_载入图片", 369164348, N::MainWindow, {280, 552, 72, 31},
     true, true, "载入图片", F::DefaultGui, kBlack, kFace, kCentred, P::None, M::None, {}},
    {N::LoadPictureDialog, K::CommonDialog, "通用对话框_载入图片", 369164347, N::BaseBox,
     {27, 456, 40, 32}, false, false, nullptr, F::DefaultGui, kBlack, kFace, kLeft, P::None, M::None,
     {}},
    {N::AmountTitleLabel, K::Label, "标签1", 369164323, N::MainWindow, {139, 552, 35, 32}, true, false,
     "金额:", F::DefaultGui, kBlack, kFace, kLeft, P::None, M::Tiled, {}},
    {N::AmountEdit, K::EditBox, "编辑框_修改金额", 369164322, N::MainWindow, {175, 552, 48, 32}, true,
     true, "10", F::Font1, kBlue, kWhite, kCentred, P::None, M::None, {}},
    {N::DeviceCombo, K::ComboBox, "组合框_修改设备号", 369164317, N::MainWindow, {35, 557, 72, 20},
     true, true, nullptr, F::DefaultGui, kBlack, kWhite, kLeft, P::None, M::None, kDeviceItems},
    {N::GenerateButton, K::Button, "按钮_生成图片", 369164314, N::MainWindow, {268, 598, 111, 35}, true,
     true, "生成图片", F::Font1, kBlack, kFace, kCentred, P::None, M::None, {}},
    {N::CaptionLabel, K::TransparentLabel, "透明标签1", 369164296, N::BaseBox, {61, 390, 264, 32}, true,
     false, "长按识别二维码", F::Font4, kWhite, kFace, kCentred, P::None, M::None, {}},
    {N::AmountLabel, K::TransparentLabel, "透明标签_金额", 369164292, N::HeaderBox, {178, 20, 40, 40},
     true, false, "10", F::Font3, kBlack, kFace, kCentred, P::None, M::None, {}},
    {N::HeaderBox, K::PictureBox, "图片框_头额", 369164291, N::MainWindow, {0, 0, 390, 80}, true, false,
     nullptr, F::DefaultGui, kBlack, kFace, kLeft, P::HeaderStrip, M::NaturalTopLeft, {}},
    {N::BaseBox, K::PictureBox, "图片框_微信支付底图", 369164290, N::MainWindow, {0, 0, 390, 520}, true,
     false, nullptr, F::DefaultGui, kBlack, kFace, kLeft, P::BasePoster, M::Stretched, {}},
    {N::EditGroup, K::GroupBox, "分组框1", 369164372, N::MainWindow, {9, 536, 370, 56}, true, false,
     "修改区:", F::DefaultGui, kBlack, kFace, kLeft, P::None, M::None, {}},
};

constexpr WindowDescription kMainWindow{"Plakora_v21.0723a", 1375797249, {390, 670}, {384, 642},
                                        kFace, kControls};

}  // namespace

const WindowDescription& MainWindowDescription() { return kMainWindow; }

}  // namespace plakora
