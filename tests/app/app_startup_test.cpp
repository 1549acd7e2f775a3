#include <QApplication>
#include <algorithm>

#include "app/station_config_app.h"
#include "app/station_config_dlg.h"
#include "app/station_strings.h"
#include "tests/app/dialog_fixture.h"

namespace station_test {
namespace {

TEST_F(DialogTest, FailedSocketStartUpShowsOneMessageAndTouchesNothing) {
    CStationConfigApp app([]() -> BOOL { return FALSE; });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(Messages(), CStringArray{kMsgSocketsInitFailed});
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), [](QWidget* pWindow) {
        return qobject_cast<CStationConfigDlg*>(pWindow) != nullptr;
    }));
    EXPECT_TRUE(RegistryUntouched());
}

}  // namespace
}  // namespace station_test
