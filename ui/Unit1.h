#pragma once

#include "sForm.h"

class QObject;
class TsButton;
class TsComboBox;
class TsEdit;
class TsGroupBox;
class TsLabel;
class TsSkinManager;

// The calculator's one window. It only moves texts between its controls and
// the calculator core.
class TForm1 : public TForm {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    TsSkinManager* sSkinManager1;
    TsComboBox* sComboBox1;
    TsEdit* sEdit1;
    TsEdit* sEdit2;
    TsEdit* sEdit3;
    TsEdit* sEdit4;
    TsLabel* sLabel1;
    TsGroupBox* sGroupBox1;
    TsGroupBox* sGroupBox2;
    TsLabel* sLabel2;
    TsLabel* sLabel3;
    TsLabel* sLabel4;
    TsLabel* sLabel5;
    TsEdit* sEdit5;
    TsLabel* sLabel6;
    TsGroupBox* sGroupBox3;
    TsEdit* sEdit6;
    TsLabel* sLabel7;
    TsEdit* sEdit8;
    TsEdit* sEdit7;
    TsLabel* sLabel8;
    TsLabel* sLabel9;
    TsButton* sButton1;
    TsButton* sButton2;
    TsGroupBox* sGroupBox4;
    TsLabel* sLabel10;

    // Accept: reads the class and the five fields, computes, shows the results.
    // Throws zarvin::EConvertError naming the first field that holds no whole
    // number, leaving every control as it was.
    void sButton1Click(QObject* sender);
    // Reset: puts the starting texts back; the class stays.
    void sButton2Click(QObject* sender);
};
