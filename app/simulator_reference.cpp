// The main window's held reference: File > Hold as Reference and Clear Reference.
#include <QMenu>

#include "app/eye_readout.h"
#include "app/simulator_dlg.h"
#include "plot/freq_domain_view.h"
#include "plot/time_domain_view.h"

namespace tovan {

void CSimulatorDlg::AddReferenceMenuEntries(QMenu* file) {
  file->addAction("Hold as &Reference", QKeySequence(Qt::CTRL | Qt::Key_R), this,
                  [this] { HoldReference(); });
  file->addAction("Cl&ear Reference", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R), this,
                  [this] { ClearReference(); });
  file->addSeparator();
}

void CSimulatorDlg::HoldReference() {
  reference = std::make_unique<HeldReference>(CaptureHeldReference(engine));
  timeView->reference = &reference->traces;
  freqView->reference = &reference->traces;
  readout->SetReference(&reference->figures.output);
}

void CSimulatorDlg::ClearReference() {
  timeView->reference = nullptr;
  freqView->reference = nullptr;
  readout->SetReference(nullptr);
  reference.reset();
}

}  // namespace tovan
