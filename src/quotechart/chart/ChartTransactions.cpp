// REvuved's transactions: the host's calls, handed to the recorder and the
// model, whose list the transaction list shows.

#include "chart/ChartPrivate.h"

namespace quotechart {

void REvuved::RecordBuy(float &x) { d->recorder->recordBuy(x); }
void REvuved::RecordSell(float &x) { d->recorder->recordSell(x); }

void REvuved::ClearBuysSells()
{
    d->model.clearTransactions();
    d->redraw();
    d->model.resetGains();
}

void REvuved::FillListView() { d->model.listCountedTransactions(); }
void REvuved::CalculateSumGain() { d->model.updateSumGain(); }
void REvuved::CalculateCumGain() { d->model.updateCumGain(); }
QString REvuved::PrintTransactionsReport() { return d->model.transactionsReport(); }

}   // namespace quotechart
