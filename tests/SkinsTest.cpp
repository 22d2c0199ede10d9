#include "controls/SkinFolder.h"
#include "tests/BarFixture.h"

#include <shlobj.h>

namespace {

const char* const kFaceFiles[] = {"A-DOWN", "A-UP", "T-DOWN", "T-UP", "H-DOWN", "H-UP"};
const char* const kShippedSkins[] = {"Windows Standard", "High Contrast", "Flat"};

std::string FaceFile(const std::string& folder, const char* face) {
    return folder + "\\" + face + ".BMP";
}

std::vector<std::string> Six(const std::string& skin) {
    return std::vector<std::string>(6, skin);
}

// A shipped skin copied, but for the face `leftOut`, to a folder made for it with its
// parents; the folder and its parent are removed again (a parent holding more stays).
class CSkinCopy {
public:
    CSkinCopy(const std::string& folder, const std::string& skin, const std::string& leftOut = "")
        : m_folder(folder) {
        ::SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
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
        ::RemoveDirectoryA(m_folder.c_str());
        ::RemoveDirectoryA(m_folder.substr(0, m_folder.rfind('\\')).c_str());
    }

private:
    std::string m_folder;
};

class Skins : public BarFixture {
protected:
    // With the window timer off, the bar stays where it is put to show its faces.
    void StartWith(const std::string& skinName) {
        StartPlaced(skinName + "\r\nFALSE\r\n500\r\nFALSE\r\n10\r\n");
    }
    void StartPlaced(const std::string& settingsFile) {
        Start(settingsFile.c_str());
        const RECT size = bar->m_rcBar;
        bar->MoveWindow(300, 300, size.right - size.left, size.bottom - size.top);
        ::UpdateWindow(bar->m_hWnd);
    }
    // Quits and starts again from the settings file the bar wrote; that file's first line.
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

    CSkinButton& Button(int i) const {
        return i == 0 ? bar->m_btnTopmost : i == 1 ? bar->m_btnTransparency : bar->m_btnHide;
    }
    RECT RectOnBar(int i) const {
        RECT rect = WindowRect(Button(i).m_hWnd);
        ::MapWindowPoints(nullptr, bar->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // Covers the buttons without invalidating them: only a repaint brings the faces back.
    void Scribble() const {
        for (int i = 0; i < 3; ++i) {
            HDC dc = ::GetDC(Button(i).m_hWnd);
            RECT client = Button(i).GetClientRect();
            ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
            ::ReleaseDC(Button(i).m_hWnd, dc);
        }
    }
    // The shipped skin each face (in kFaceFiles' order) is seen to come from: the up faces
    // as the buttons show them now, then the down ones.
    std::vector<std::string> Faces() const {
        RECT overlap; // where H and A overlap, which one shows is not the skin's business
        const RECT a = RectOnBar(0), h = RectOnBar(2);
        ::IntersectRect(&overlap, &a, &h);
        std::vector<std::string> shown(6, "none");
        for (int face : {1, 3, 5, 0, 2, 4}) {
            if (face % 2 == 0) {
                Button(face / 2).SetState(1);
            }
            for (const char* skin : kShippedSkins) {
                if (Differences(bar->m_hWnd, RectOnBar(face / 2),
                                FaceFile(GfxFolder() + "\\" + skin, kFaceFiles[face]), CLR_INVALID,
                                overlap) == 0) {
                    shown[face] = skin;
                }
            }
        }
        for (int i = 0; i < 3; ++i) {
            Button(i).SetState(0);
        }
        return shown;
    }
};

class SkinsShipped : public Skins, public ::testing::WithParamInterface<const char*> {};

TEST_P(SkinsShipped, ChosenInTheBrowserRepaintsAtOnceAndComesBackAtTheNextStart) {
    const std::string skin = GetParam();
    StartWith(skin == "Flat" ? "High Contrast" : "Flat");
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
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
}
INSTANTIATE_TEST_SUITE_P(Skins, SkinsShipped, ::testing::ValuesIn(kShippedSkins));

// A cancelled browser, and the gfx folder itself: nothing changes.
class SkinsRefused : public Skins, public ::testing::WithParamInterface<bool> {};

TEST_P(SkinsRefused, LeaveFacesAndNameAsTheyWere) {
    StartWith("Flat");
    ChooseInBrowser(GetParam() ? GfxFolder() : "");
    EXPECT_EQ(interaction.m_browses.size(), 1u);
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
    EXPECT_EQ(bar->m_settings.skinName, "Flat");
    EXPECT_EQ(Faces(), Six("Flat"));
}
INSTANTIATE_TEST_SUITE_P(Skins, SkinsRefused, ::testing::Bool());

TEST_F(Skins, MissingFaceIsReportedOnceAndKeptTheRestChangeAndTheNameIsStored) {
    StartWith("Windows Standard");
    const std::string folder = GfxFolder() + "\\Partial";
    CSkinCopy partial(folder, "High Contrast", "T-DOWN");
    ChooseInBrowser(folder);
    ASSERT_EQ(interaction.m_messageBoxes.size(), 1u);
    EXPECT_EQ(interaction.m_messageBoxes[0].text,
              "Path to the bitmap does not exists...\n" + FaceFile(folder, "T-DOWN"));
    std::vector<std::string> expected = Six("High Contrast");
    expected[2] = "Windows Standard";
    EXPECT_EQ(Faces(), expected);
    EXPECT_EQ(bar->m_settings.skinName, "Partial");
}

// A skin deeper below gfx, or outside it, or given relative to the program's folder: stored
// so that the next start finds it again.
class SkinsElsewhere : public Skins, public ::testing::WithParamInterface<int> {};

TEST_P(SkinsElsewhere, IsFoundAgainAtTheNextStart) {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    const bool outside = GetParam() == 1;
    const std::string folder =
        outside ? temp + std::string("panewarden-skin\\Green") : GfxFolder() + "\\Mine\\Green";
    CSkinCopy copy(folder, "Flat");
    StartWith("Windows Standard");
    if (GetParam() == 2) {
        bar->ApplySkin("gfx\\Mine\\Green");
    } else {
        ChooseInBrowser(folder);
    }
    const std::string stored = outside ? folder : "Mine\\Green";
    EXPECT_EQ(bar->m_settings.skinName, stored);
    EXPECT_EQ(Restart(), stored);
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
    EXPECT_EQ(Faces(), Six("Flat"));
}
INSTANTIATE_TEST_SUITE_P(Skins, SkinsElsewhere, ::testing::Values(0, 1, 2));

} // namespace
