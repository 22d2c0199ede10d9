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

// A shipped skin copied, but for the face `leftOut`, to a folder made with its parents.
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
    // The window timer is off: the bar stays where it is put.
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
    // The shipped skin each face (in kFaceFiles' order) is seen to come from.
    std::vector<std::string> Faces() const {
        RECT overlap; // where H and A overlap either may show
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

struct Choice {
    std::string folder;
    std::string applied; // given to ApplySkin rather than chosen in the browser, if any
    std::string stored;  // the name the settings file keeps
    bool made;           // a folder made for the test, with Flat's faces
};

class SkinsChosen : public Skins, public ::testing::WithParamInterface<Choice> {};

TEST_P(SkinsChosen, RepaintAtOnceAndComeBackAtTheNextStart) {
    const Choice& choice = GetParam();
    const std::string skin = choice.made ? "Flat" : choice.stored;
    std::unique_ptr<CSkinCopy> copy(choice.made ? new CSkinCopy(choice.folder, skin) : nullptr);
    StartWith(skin == "Flat" ? "High Contrast" : "Flat");
    for (int i = 0; i < 3; ++i) { // covers the faces: only a repaint brings them back
        HDC dc = ::GetDC(Button(i).m_hWnd);
        const RECT client = Button(i).GetClientRect();
        ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
        ::ReleaseDC(Button(i).m_hWnd, dc);
    }
    if (choice.applied.empty()) {
        ChooseInBrowser(choice.folder);
        const BrowseCall& browse = interaction.m_browses.at(0);
        EXPECT_EQ(browse.owner, bar->m_btnTransparency.m_hWnd);
        EXPECT_STRCASEEQ(browse.root.c_str(), GfxFolder().c_str());
        EXPECT_EQ(browse.title, "Please select new buttons");
    } else {
        bar->ApplySkin(choice.applied);
    }
    EXPECT_EQ(Faces(), Six(skin));
    EXPECT_EQ(Restart(), choice.stored);
    EXPECT_EQ(Faces(), Six(skin));
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
}

std::vector<Choice> Choices() {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    const std::string outside = temp + std::string("panewarden-skin\\Green");
    // A shipped one, deeper below gfx, outside it, and given relative to the program's folder.
    std::vector<Choice> choices = {{GfxFolder() + "\\High Contrast", "", "High Contrast", false}};
    choices.push_back({GfxFolder() + "\\Mine\\Green", "", "Mine\\Green", true});
    choices.push_back({outside, "", outside, true});
    choices.push_back({GfxFolder() + "\\Mine\\Green", "gfx\\Mine\\Green", "Mine\\Green", true});
    return choices;
}
INSTANTIATE_TEST_SUITE_P(Skins, SkinsChosen, ::testing::ValuesIn(Choices()));

TEST_F(Skins, CancelledBrowserAndTheGfxFolderItselfChangeNothing) {
    StartWith("Flat");
    for (const std::string& folder : {std::string(), GfxFolder()}) {
        ChooseInBrowser(folder);
        EXPECT_EQ(Faces(), Six("Flat")) << folder;
    }
    EXPECT_EQ(Restart(), "Flat");
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
}

TEST_F(Skins, OlderSettingsFileInTheAnsiCodePageKeepsItsSkinAndIsSavedInUtf8) {
    CSkinCopy theme(GfxFolder() + "\\Thème", "Flat");
    StartWith("Th\xE8me"); // cp1252
    EXPECT_EQ(Faces(), Six("Flat"));
    EXPECT_EQ(Restart(), "Th\xC3\xA8me");
    EXPECT_TRUE(interaction.m_messageBoxes.empty());
}

TEST_F(Skins, MissingFaceIsReportedOnceTheRestChangeAndTheNameIsStored) {
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
    EXPECT_EQ(Restart(), "Partial");
}

} // namespace
