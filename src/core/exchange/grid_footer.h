#pragma once
// The sums a grid's footer shows.

#include <QString>

class TDataSet;

// The sum of a numeric field over the data set's visible rows, formatted like the field's cells (money
// with ",0.00"); empty when the data set is closed, the field unknown or not numeric.
QString FooterSumText(const TDataSet *dataSet, const QString &fieldName);
