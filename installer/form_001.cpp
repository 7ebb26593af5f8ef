#include "form_001.h"

#include "InstallerLook.h"
#include "backdrop/form_Background.h"
#include "backdrop/form_BackgroundOtherScreens.h"
#include "display/MonitorNumbers.h"
#include "display/clsMonitors.h"
#include "flow/CommaList.h"
#include "form_002.h"
#include "toolkit/Application.h"
#include "toolkit/Errors.h"
#include "toolkit/Screen.h"
#include "toolkit/Units.h"

#include <array>
#include <limits>

namespace installer {

using toolkit::resumeNext;

namespace {

const char *const Caption = "Z.E.L.O.R. os installation.";
constexpr float ClientWidth = 4560;
constexpr float ClientHeight = 3270;

const char *const OkCaption = "&OK";
const char *const VersionCaption = "P.R. version 1.00";
constexpr toolkit::TwipsRect OkBounds{2880, 2760, 1575, 375};
constexpr toolkit::TwipsRect ListBounds{120, 2400, 4335, 315};
constexpr toolkit::TwipsRect VersionBounds{2760, 120, 1335, 255};
constexpr toolkit::TwipsRect WarningBounds{120, 480, 4335, 735};
constexpr toolkit::TwipsRect TitleBounds{120, 120, 4335, 255};
constexpr toolkit::TwipsRect PromptBounds{120, 1320, 4335, 1095};

// The prompt is one line; each run of spaces falls at a line end with the
// default font, so that each sentence begins a line of its own.
struct PromptSentence {
    const char16_t *text;
    int spacesAfter;
};
constexpr std::array<PromptSentence, 5> Prompt{{
    {u"EN. Please select installation language.", 31},
    {u"FR. Veuillez s\u00E9lectionner la langue d'installation.", 22},
    {u"GR. Bitte w\u00E4hlen Sie die Installationssprache.", 26},
    {u"IT. Si prega di selezionare la lingua di installazione.", 18},
    {u"MT. Jekk joghgbok aghzel il-lingwa tal-installazzjoni.", 0},
}};

constexpr std::array<const char16_t *, 5> LanguagePieces{
    u"Afrikaans, Albanian, Amharic, Arabic (Egyptian Spoken), Arabic (Levantine), Arabic (Modern Standard), "
    u"Arabic (Moroccan Spoken), Arabic (Overview), Aramaic, Armenian, Assamese, Aymara, Azerbaijani, Balochi, "
    u"Bamanankan, Bashkort (Bashkir), Basque, Belarusan, Bengali, Bhojpuri, Bislama, Bosnian, Brahui, Bulgarian, "
    u"Burmese, Cantonese, Catalan, Cebuano, Chechen, Cherokee, Croatian, Czech, Dakota, Danish, Dari, Dholuo, "
    u"Dutch, ",
    u"English (UK), English (US), ",
    u"Esperanto, Estonian, \u00C9w\u00E9, Finnish, French, Georgian, German, Gikuyu, Greek, Guarani, Gujarati, "
    u"Haitian Creole, Hausa, Hawaiian, Hawaiian Creole, Hebrew, Hiligaynon, Hindi, Hungarian, Icelandic, Igbo, "
    u"Ilocano, Indonesian (Bahasa Indonesia), Inuit/Inupiaq, Irish Gaelic, Italian, Japanese, Jarai, Javanese, "
    u"K\u2019iche\u2019, Kabyle, Kannada, Kashmiri, Kazakh, Khmer, Khoekhoe, Korean, Kurdish, Kyrgyz, Lao, Latin, "
    u"Latvian, Lingala, Lithuanian, Macedonian, Maithili, Malagasy, Malay (Bahasa Melayu), Malayalam, ",
    u"Maltese, ",
    u"Mandarin (Chinese), Marathi, Mende, Mongolian, Nahuatl , Navajo, Nepali, Norwegian, Ojibwa, Oriya, Oromo, "
    u"Pashto, Persian, Polish, Portuguese, Punjabi, Quechua, Romani, Romanian, Russian, Rwanda, Samoan, Sanskrit, "
    u"Serbian, Shona, Sindhi, Sinhala, Slovak, Slovene, Somali, Spanish, Swahili, Swedish, Tachelhit, Tagalog, "
    u"Tajiki, Tamil, Tatar, Telugu, Thai, Tibetic languages, Tigrigna, Tok Pisin, Turkish, Turkmen, Ukrainian, Urdu, "
    u"Uyghur, Uzbek, Vietnamese, Warlpiri, Welsh, Wolof, Xhosa, Yakut, Yiddish, Yoruba, Yucatec, Zapotec, Zulu",
};

constexpr int EnglishUk = 37;
constexpr int PauseBeforeClosing = 800; // ms

const char *const MonitorCaptionStart = "Display screen monitor number ";

QString promptCaption()
{
    QString caption;
    for (const PromptSentence &sentence : Prompt)
        caption += QString::fromUtf16(sentence.text) + QString(sentence.spacesAfter, QLatin1Char(' '));
    return caption;
}

toolkit::FormStyle style()
{
    return {
        .caption = QString::fromLatin1(Caption),
        .clientWidth = ClientWidth,
        .clientHeight = ClientHeight,
        .movable = false,
        .icon = applicationIcon(),
    };
}

// The count as the loop's 16-bit bound; a count beyond it is an overflow.
int16_t toInt16(int count)
{
    if (count > std::numeric_limits<int16_t>::max())
        throw toolkit::Error(toolkit::ErrOverflow, "Overflow");
    return static_cast<int16_t>(count);
}

} // namespace

LanguageControls::LanguageControls(toolkit::FormWindow &window)
{
    // Built back to front: where two overlap, the later one is drawn in front.
    lab_02 = new toolkit::Label(&window, PromptBounds, promptCaption());
    lab_01 = new toolkit::Label(&window, TitleBounds, QString::fromLatin1(Caption));
    styleBoldLabel(*lab_01);
    lab_03 = new toolkit::Label(&window, WarningBounds, QString::fromLatin1(TurnOffWarning));
    styleWarningLabel(*lab_03);
    lab_04 = new toolkit::Label(&window, VersionBounds, QString::fromLatin1(VersionCaption));
    Combo1 = new toolkit::ComboBox(&window, ListBounds);
    cmd_oo1 = new toolkit::CommandButton(&window, OkBounds, QString::fromLatin1(OkCaption));
    tim_001 = new toolkit::Timer(&window); // Interval 0: no ticks
    toolkit::setTabOrder({cmd_oo1, Combo1});
}

form_001::form_001() : FormOf(style()) {}

QString form_001::languageListText()
{
    QString text;
    for (const char16_t *piece : LanguagePieces)
        text += QString::fromUtf16(piece);
    return text;
}

void form_001::connectHandlers()
{
    ui().cmd_oo1->onClick([this](int16_t Index) { cmd_oo1_Click(Index); });
    ui().tim_001->onTick([this] { tim_001_Timer(); });
}

void form_001::Form_Load()
{
    ui().tim_001->setEnabled(false);
    ui().tim_001->setInterval(0);
    ui().Combo1->Clear();
    flow::LoadCommaList(*ui().Combo1, languageListText());
    resumeNext([&] { ui().Combo1->setEnabled(true); });
    resumeNext([&] { ui().cmd_oo1->setEnabled(true); });
    resumeNext([&] { ui().Combo1->setListIndex(EnglishUk); });
}

void form_001::cmd_oo1_Click(int16_t)
{
    // Whatever was chosen, the installation is in English (UK).
    resumeNext([&] { ui().Combo1->setListIndex(EnglishUk); });
    resumeNext([&] { ui().Combo1->setEnabled(false); });
    resumeNext([&] { ui().cmd_oo1->setEnabled(false); });
    resumeNext([&] { ui().tim_001->setInterval(PauseBeforeClosing); });
    resumeNext([&] { ui().tim_001->setEnabled(true); });
}

void form_001::tim_001_Timer() { Unload(); }

void form_001::Form_QueryUnload(int16_t &, int16_t UnloadMode)
{
    if (UnloadMode != toolkit::CloseCommand && UnloadMode != toolkit::ProgramUnload)
        return;
    backdrop::form_Background::instance().Show();
    form_002::instance().Show();
    display::clsMonitors set(display::defaultPlatform());
    set.Refresh();
    if (set.monitors->Count() > 1) {
        const int16_t last = toInt16(set.monitors->Count());
        for (int i = 2; i <= last; ++i)
            ShowBackgroundOnMonitor(static_cast<int16_t>(i));
    }
}

void form_001::ShowBackgroundOnMonitor(int16_t MonitorNumber)
{
    toolkit::DoEvents(); // draws the windows shown just before
    auto &backdrop = flow::WindowRegistry::createNew<backdrop::form_BackgroundOtherScreens>();
    display::clsMonitors set(display::defaultPlatform());
    set.Refresh();

    int32_t left = set.DesktopLeft(), top = set.DesktopTop();
    int32_t width = set.DesktopWidth(), height = set.DesktopHeight();
    int16_t position = 1;
    for (const display::clsMonitor *monitor : display::byMonitorNumber(*set.monitors)) {
        if (position == MonitorNumber) {
            left = monitor->Left();
            top = monitor->Top();
            width = monitor->Width();
            height = monitor->Height();
        }
        ++position;
    }

    const float tx = toolkit::Screen::TwipsPerPixelX(), ty = toolkit::Screen::TwipsPerPixelY();
    resumeNext([&] { backdrop.setLeft(toolkit::pixelsToTwips(left, tx)); }); // loads it: Form_Load disables it
    resumeNext([&] { backdrop.setTop(toolkit::pixelsToTwips(top, ty)); });
    resumeNext([&] { backdrop.setWidth(toolkit::pixelsToTwips(width, tx)); });
    resumeNext([&] { backdrop.setHeight(toolkit::pixelsToTwips(height, ty)); });
    resumeNext([&] { backdrop.Show(); });
    resumeNext([&] { backdrop.ui().img_BackgroundImage->setLeft(0); });
    resumeNext([&] { backdrop.ui().img_BackgroundImage->setTop(0); });
    resumeNext([&] { backdrop.ui().img_BackgroundImage->setWidth(backdrop.Width()); });
    resumeNext([&] { backdrop.ui().img_BackgroundImage->setHeight(backdrop.Height()); });
    resumeNext([&] {
        backdrop.ui().lab_Info->setCaption(QString::fromLatin1(MonitorCaptionStart) + QString::number(MonitorNumber)
                                           + QLatin1Char('.'));
    });
}

} // namespace installer
