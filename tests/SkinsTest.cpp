#include "controls/SkinFolder.h"
#include "tests/BarTest.h"

#include <algorithm>

namespace {

const char* const kFaceFiles[] = {"A-DOWN", "A-UP", "T-DOWN", "T-UP", "H-DOWN", "H-UP"};
const char* const kShippedSkins[] = {"Windows Standard", "High Contrast", "Flat"};
// The window timer off: the bar stays where the test puts it.
const char kStill[] = "\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n";

std::string FaceFile(const std::string& folder, const char* face) {
    return folder + "\\" + face + ".BMP";
}

std::vector<std::string> Six(const std::string& skin) {
    return std::vector<std::string>(6, skin);
}

// A copy of a shipped skin, lacking the face `leftOut`, at a folder made for it (with its
// missing parents) and removed again.
class CSkinCopy {
public:
    CSkinCopy(const std::string& folder, const std::string& skin, const std::string& leftOut = "")
        : m_folder(folder) {
        for (std::size_t slash = folder.find('\\', 3);; slash = folder.find('\\', slash + 1)) {
            const std::string part = folder.substr(0, slash);
            if (::CreateDirectoryA(part.c_str(), nullptr)) {
                m_made.push_back(part);
            }
            if (slash == std::string::npos) {
                break;
            }
        }
        for (const char* face : kFaceFiles) {
            if (face != leftOut) {
                ::CopyFileA(FaceFile(GfxFolder() + "\\" + skin, face).c_str(),
                            FaceFile(folder, face).c_str(), FALSE);
            }
        }
    }
    ~CSkinCopy() {
        for (const char* face : kFaceFiles) {
            ::DeleteFileA(FaceFile(m_folder, face).c_str());
        }
        std::for_each(m_made.rbegin(), m_made.rend(),
                      [](const std::string& made) { ::RemoveDirectoryA(made.c_str()); });
    }
    CSkinCopy(const CSkinCopy&) = delete;
    CSkinCopy& operator=(const CSkinCopy&) = delete;

private:
    std::string m_folder;
    std::vector<std::string> m_made;
};

class Skins : public BarTest {
protected:
    // Starts the bar with the skin name given, and puts it where its faces can be seen.
    void StartWith(const std::string& skinName) { StartPlaced(skinName + kStill); }
    void StartPlaced(const std::string& settingsFile) {
        Start(settingsFile.c_str());
        const RECT size = bar->m_rcBar;
        bar->MoveWindow(300, 300, size.right - size.left, size.bottom - size.top);
        ::UpdateWindow(bar->m_hWnd);
    }
    // Quits and starts again from the settings file the bar wrote; its first line.
    std::string Restart() {
        bar->ExitProgram();
        const std::string file = ReadFileBytes(SettingsPath());
        StartPlaced(file);
        return file.substr(0, file.find("\r\n"));
    }
    void ChooseInBrowser(const std::string& folder) {
        if (!folder.empty()) {
            interaction.m_folderChoices.push_back(folder);
        }
        bar->SendMessage(WM_COMMAND, ID_SKINSELECTOR, 0);
    }

    CSkinButton* Button(int i) const {
        CSkinButton* buttons[] = {&bar->m_btnTopmost, &bar->m_btnTransparency, &bar->m_btnHide};
        return buttons[i];
    }
    RECT RectOnBar(int i) const {
        RECT rect = WindowRect(Button(i)->m_hWnd);
        ::MapWindowPoints(nullptr, bar->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // Covers the buttons without invalidating them: only a repaint brings the faces back.
    void Scribble() const {
        for (int i = 0; i < 3; ++i) {
            HDC dc = ::GetDC(Button(i)->m_hWnd);
            RECT client = Button(i)->GetClientRect();
            ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
            ::ReleaseDC(Button(i)->m_hWnd, dc);
        }
    }
    // Which shipped skin each face (in kFaceFiles' order) is seen to come from: the up faces
    // as the buttons show them now, the down faces once set.
    std::vector<std::string> Faces() const {
        RECT overlap; // H and A overlap; which shows there is not the skin's business
        const RECT a = RectOnBar(0), h = RectOnBar(2);
        ::IntersectRect(&overlap, &a, &h);
        std::vector<std::string> shown(6, "none");
        for (int state : {0, 1}) {
            for (int i = 0; i < 3; ++i) {
                if (state == 1) {
                    Button(i)->SetState(1);
                }
                const int face = 2 * i + (state == 1 ? 0 : 1);
                for (const char* skin : kShippedSkins) {
                    if (Differences(bar->m_hWnd, RectOnBar(i),
                                    FaceFile(GfxFolder() + "\\" + skin, kFaceFiles[face]),
                                    CLR_INVALID, overlap) == 0) {
                        shown[face] = skin;
                    }
                }
            }
        }
        for (int i = 0; i < 3; ++i) {
            Button(i)->SetState(0);
        }
        return shown;
    }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const MessageBoxCall& box : interaction.m_messageBoxes) {
            texts.push_back(box.text);
        }
        return texts;
    }
};

class SkinsShipped : public Skins, public ::testing::WithParamInterface<const char*> {};

TEST_P(SkinsShipped, ChosenInTheBrowserRepaintsAtOnceAndComesBackAtTheNextStart) {
    const std::string skin = GetParam();
    StartWith(skin == "Flat" ? "High Contrast" : "Flat");
    for (const char* face : kFaceFiles) { // each as big as the default's
        BITMAP shipped = {}, standard = {};
        for (auto [folder, info] : {std::pair(skin, &shipped), {"Windows Standard", &standard}}) {
            HGDIOBJ bitmap =
                ::LoadImageA(nullptr, FaceFile(GfxFolder() + "\\" + folder, face).c_str(),
                             IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
            ::GetObjectA(bitmap, sizeof *info, info);
            ::DeleteObject(bitmap);
        }
        EXPECT_TRUE(shipped.bmWidth == standard.bmWidth && shipped.bmHeight == standard.bmHeight &&
                    shipped.bmWidth > 0)
            << face;
    }
    Scribble();
    ChooseInBrowser(GfxFolder() + "\\" + skin);

    ASSERT_EQ(interaction.m_browses.size(), 1u);
    const BrowseCall& asked = interaction.m_browses[0];
    EXPECT_EQ(asked.owner, bar->m_btnTransparency.m_hWnd);
    EXPECT_STRCASEEQ(asked.root.c_str(), GfxFolder().c_str());
    EXPECT_EQ(asked.title, "Please select new buttons");
    EXPECT_EQ(asked.flags, static_cast<UINT>(BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS));
    EXPECT_EQ(Faces(), Six(skin));
    EXPECT_EQ(bar->m_settings.skinName, skin);

    EXPECT_EQ(Restart(), skin);
    EXPECT_EQ(Faces(), Six(skin));
    EXPECT_EQ(MessageTexts(), std::vector<std::string>());
}
INSTANTIATE_TEST_SUITE_P(Skins, SkinsShipped, ::testing::ValuesIn(kShippedSkins));

// A cancelled browser, and the gfx folder itself: nothing changes.
class SkinsRefused : public Skins, public ::testing::WithParamInterface<bool> {};

TEST_P(SkinsRefused, LeaveFacesAndNameAsTheyWere) {
    StartWith("Flat");
    ChooseInBrowser(GetParam() ? GfxFolder() : "");
    EXPECT_EQ(interaction.m_browses.size(), 1u);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>());
    EXPECT_EQ(bar->m_settings.skinName, "Flat");
    EXPECT_EQ(Faces(), Six("Flat"));
}
INSTANTIATE_TEST_SUITE_P(Skins, SkinsRefused, ::testing::Bool());

TEST_F(Skins, MissingFaceIsReportedOnceAndKeptTheRestChangeAndTheNameIsStored) {
    StartWith("Windows Standard");
    const std::string folder = GfxFolder() + "\\Partial";
    CSkinCopy partial(folder, "High Contrast", "T-DOWN");
    ChooseInBrowser(folder);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Path to the bitmap does not exists...\n" +
                                                       FaceFile(folder, "T-DOWN")});
    std::vector<std::string> expected = Six("High Contrast");
    expected[2] = "Windows Standard";
    EXPECT_EQ(Faces(), expected);
    EXPECT_EQ(bar->m_settings.skinName, "Partial");
}

// A skin deeper below gfx, or outside it: stored so that the next start finds it again.
class SkinsElsewhere : public Skins, public ::testing::WithParamInterface<bool> {};

TEST_P(SkinsElsewhere, IsFoundAgainAtTheNextStart) {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    const std::string deeper = "Mine\\Green";
    const std::string folder =
        GetParam() ? GfxFolder() + "\\" + deeper : temp + std::string("panewarden-skin\\Green");
    CSkinCopy copy(folder, "Flat");
    StartWith("Windows Standard");
    ChooseInBrowser(folder);
    const std::string stored = bar->m_settings.skinName;
    EXPECT_EQ(stored, GetParam() ? deeper : folder);

    EXPECT_EQ(Restart(), stored);
    EXPECT_EQ(bar->m_settings.skinName, stored);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>());
    EXPECT_EQ(Faces(), Six("Flat"));
}
INSTANTIATE_TEST_SUITE_P(Skins, SkinsElsewhere, ::testing::Bool());

} // namespace
