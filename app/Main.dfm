object MainForm: TMainForm
  Left = 309
  Top = 211
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  Caption = 'Kalvora '
  ClientHeight = 153
  ClientWidth = 384
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object IsoImg: TImage
    Left = 136
    Top = 80
    Width = 209
    Height = 73
  end
  object MaskImg: TImage
    Left = 0
    Top = 80
    Width = 128
    Height = 63
    Stretch = True
  end
  object BMPImg: TImage
    Left = 0
    Top = 7
    Width = 128
    Height = 63
    Stretch = True
  end
  object OpenBtn: TButton
    Left = 136
    Top = 0
    Width = 73
    Height = 25
    Caption = 'Open...'
    TabOrder = 0
    OnClick = OpenBtnClick
  end
  object SaveBtn: TButton
    Left = 208
    Top = 0
    Width = 73
    Height = 25
    Caption = 'Save'
    TabOrder = 2
    OnClick = SaveBtnClick
  end
  object MaskBtn: TButton
    Left = 136
    Top = 24
    Width = 73
    Height = 25
    Caption = 'Mask'
    TabOrder = 3
    OnClick = MaskBtnClick
  end
  object GenBtn: TButton
    Left = 136
    Top = 48
    Width = 73
    Height = 25
    Caption = 'Generate'
    TabOrder = 1
    OnClick = GenBtnClick
  end
  object BatchBtn: TButton
    Left = 208
    Top = 24
    Width = 73
    Height = 25
    Caption = 'Batch'
    TabOrder = 4
    OnClick = BatchBtnClick
  end
  object SettBtn: TButton
    Left = 208
    Top = 48
    Width = 73
    Height = 25
    Caption = 'Settings...'
    TabOrder = 5
    OnClick = SettBtnClick
  end
  object SettGroup: TGroupBox
    Left = 0
    Top = 160
    Width = 385
    Height = 161
    Caption = 'Settings:'
    TabOrder = 6
    Visible = False
    object InLbl: TLabel
      Left = 200
      Top = 36
      Width = 27
      Height = 13
      Caption = 'Input:'
    end
    object OutLbl: TLabel
      Left = 200
      Top = 68
      Width = 35
      Height = 13
      Caption = 'Output:'
    end
    object BatchLbl: TLabel
      Left = 200
      Top = 16
      Width = 31
      Height = 13
      Caption = 'Batch:'
    end
    object Label1: TLabel
      Left = 8
      Top = 16
      Width = 20
      Height = 13
      Caption = 'Tile:'
    end
    object Label2: TLabel
      Left = 16
      Top = 32
      Width = 31
      Height = 13
      Caption = 'Width:'
    end
    object Label3: TLabel
      Left = 16
      Top = 56
      Width = 34
      Height = 13
      Caption = 'Height:'
    end
    object OutDir: TDirectoryEdit
      Left = 256
      Top = 64
      Width = 121
      Height = 21
      NumGlyphs = 1
      TabOrder = 0
    end
    object InDir: TDirectoryEdit
      Left = 256
      Top = 32
      Width = 121
      Height = 21
      NumGlyphs = 1
      TabOrder = 1
    end
    object wEdt: TEdit
      Left = 72
      Top = 32
      Width = 121
      Height = 21
      TabOrder = 2
      Text = '128'
    end
    object hEdt: TEdit
      Left = 72
      Top = 56
      Width = 121
      Height = 21
      TabOrder = 3
      Text = '63'
    end
    object ProjLbl: TLabel
      Left = 16
      Top = 100
      Width = 50
      Height = 13
      Caption = 'Projection:'
    end
    object StretchBtn: TSpeedButton
      Left = 72
      Top = 96
      Width = 41
      Height = 21
      Caption = 'Stretch'
      GroupIndex = 1
      Down = True
      OnClick = ProjectionBtnClick
    end
    object IsoBtn: TSpeedButton
      Left = 112
      Top = 96
      Width = 41
      Height = 21
      Caption = 'Iso'
      GroupIndex = 1
      OnClick = ProjectionBtnClick
    end
    object BlockBtn: TSpeedButton
      Left = 152
      Top = 96
      Width = 41
      Height = 21
      Caption = 'Block'
      GroupIndex = 1
      OnClick = ProjectionBtnClick
    end
    object DepthLbl: TLabel
      Left = 16
      Top = 124
      Width = 32
      Height = 13
      Caption = 'Depth:'
    end
    object dEdt: TEdit
      Left = 72
      Top = 120
      Width = 121
      Height = 21
      Enabled = False
      TabOrder = 4
    end
    object SourcesLbl: TLabel
      Left = 200
      Top = 100
      Width = 42
      Height = 13
      Caption = 'Sources:'
    end
    object BmpSourcesBtn: TSpeedButton
      Left = 256
      Top = 96
      Width = 61
      Height = 21
      Caption = 'BMP'
      GroupIndex = 2
      Down = True
    end
    object PngSourcesBtn: TSpeedButton
      Left = 316
      Top = 96
      Width = 61
      Height = 21
      Caption = 'BMP, PNG'
      GroupIndex = 2
    end
    object TilesLbl: TLabel
      Left = 200
      Top = 124
      Width = 26
      Height = 13
      Caption = 'Tiles:'
    end
    object BmpTilesBtn: TSpeedButton
      Left = 256
      Top = 120
      Width = 61
      Height = 21
      Caption = 'BMP'
      GroupIndex = 3
      Down = True
    end
    object PngTilesBtn: TSpeedButton
      Left = 316
      Top = 120
      Width = 61
      Height = 21
      Caption = 'PNG'
      GroupIndex = 3
    end
  end
  object ABtn: TButton
    Left = 280
    Top = 0
    Width = 61
    Height = 73
    Caption = 'About'
    TabOrder = 7
    OnClick = ABtnClick
  end
  object PreviewBtn: TButton
    Left = 340
    Top = 0
    Width = 44
    Height = 73
    Caption = 'Preview'
    TabOrder = 8
    OnClick = PreviewBtnClick
  end
  object OpenDlg: TOpenPictureDialog
    DefaultExt = '*.bmp'
    Filter = 'Pictures (*.bmp;*.png)|*.bmp;*.png|Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png|All files (*)|*'
    Title = 'Open image'
  end
  object SaveDlg: TSavePictureDialog
    DefaultExt = '*.bmp'
    Filter = 'Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Title = 'Save image'
  end
end
