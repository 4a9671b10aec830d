-- 澜石固定资产管理系统 SQLite 数据库创建脚本: 建立全部数据表、主键与索引,
-- 并写入新数据库所需的初始数据(系统用户 sa、折旧方法、备份设置、系统设置和下拉选择项目).

-- 资产档案
CREATE TABLE assets (
    Id INTEGER NOT NULL PRIMARY KEY,
    Code VARCHAR(50),
    Kind VARCHAR(50),
    Name VARCHAR(50),
    PartNo VARCHAR(50),
    GBCode VARCHAR(50),
    Config VARCHAR(250),
    Factory VARCHAR(50),
    BuildDate VARCHAR(20),
    Qty INTEGER,
    Price DOUBLE,
    Unit VARCHAR(10),
    AddKind VARCHAR(50),
    UseDept VARCHAR(50),
    UseState VARCHAR(50),
    LayPlace VARCHAR(50),
    Depositary VARCHAR(50),
    AccountDate DATETIME,
    OriginValue DOUBLE,
    EndValue DOUBLE,
    EndValueRate INTEGER,
    UseYears INTEGER,
    MethodId INTEGER,
    AssetNote VARCHAR(250),
    Reduced INTEGER,
    ReduceDate DATETIME,
    ReduceWay VARCHAR(255),
    ReduceHandman VARCHAR(255),
    ReduceCheckman VARCHAR(255),
    ReduceNote VARCHAR(255),
    Str1 VARCHAR(50),
    Str2 VARCHAR(50),
    Str3 VARCHAR(50),
    Str4 VARCHAR(50),
    Str5 VARCHAR(50),
    Str6 VARCHAR(50),
    Float1 DOUBLE,
    Float2 DOUBLE,
    Float3 DOUBLE,
    Date1 DATETIME,
    Date2 DATETIME,
    Date3 DATETIME
);

-- 折旧方法
CREATE TABLE method (
    Id INTEGER NOT NULL PRIMARY KEY,
    Name VARCHAR(50)
);

-- 资产变动记录
CREATE TABLE modification (
    Id INTEGER NOT NULL PRIMARY KEY,
    AssetId INTEGER,
    ModifyDate DATETIME,
    UseDept1 VARCHAR(50),
    UseDept2 VARCHAR(50),
    UseState1 VARCHAR(50),
    UseState2 VARCHAR(50),
    Depositary1 VARCHAR(50),
    Depositary2 VARCHAR(50),
    Layplace1 VARCHAR(50),
    Layplace2 VARCHAR(50),
    OriginalValue1 DOUBLE,
    OriginalValue2 DOUBLE,
    Qty1 DOUBLE,
    Qty2 DOUBLE,
    Description TEXT,
    Handman VARCHAR(20),
    Sanctionman VARCHAR(20),
    ModifyReason VARCHAR(50),
    Remark VARCHAR(250)
);
CREATE INDEX IX_modification_AssetId ON modification (AssetId);

-- 维修记录
CREATE TABLE repair (
    Id INTEGER NOT NULL PRIMARY KEY,
    AssetId INTEGER,
    SendDate DATETIME,
    Malfunction VARCHAR(50),
    RepairDate DATETIME,
    RepairDetails TEXT,
    Fund DOUBLE,
    Handman VARCHAR(30),
    Sanctionman VARCHAR(30),
    [Note] VARCHAR(150)
);
CREATE INDEX IX_repair_AssetId ON repair (AssetId);

-- 附属设备
CREATE TABLE accessories (
    Id INTEGER NOT NULL PRIMARY KEY,
    AssetId INTEGER,
    ProductName VARCHAR(50),
    PartNo VARCHAR(50),
    Unit VARCHAR(20),
    Qty INTEGER,
    Fund DOUBLE,
    Remark VARCHAR(50)
);
CREATE INDEX IX_accessories_AssetId ON accessories (AssetId);

-- 资产图片
CREATE TABLE assetimages (
    Id INTEGER NOT NULL PRIMARY KEY,
    AssetId INTEGER,
    Subject VARCHAR(30),
    Ext VARCHAR(255),
    Photo BLOB
);
CREATE INDEX IX_assetimages_AssetId ON assetimages (AssetId);

-- 资产减少明细(程序只在删除资产和清理数据时清空)
CREATE TABLE reduce (
    Id INTEGER NOT NULL PRIMARY KEY,
    AssetId INTEGER,
    ReduceDate DATETIME,
    Amount DOUBLE,
    [Note] VARCHAR(255)
);
CREATE INDEX IX_reduce_AssetId ON reduce (AssetId);

-- 折旧明细(程序只在删除资产和清理数据时清空)
CREATE TABLE depreciation (
    Id INTEGER NOT NULL PRIMARY KEY,
    AssetId INTEGER,
    DepreDate DATETIME,
    Amount DOUBLE,
    [Note] VARCHAR(255)
);
CREATE INDEX IX_depreciation_AssetId ON depreciation (AssetId);

-- 报表模板
CREATE TABLE report (
    Id INTEGER NOT NULL PRIMARY KEY,
    GrpId INTEGER,
    Title VARCHAR(255),
    Fr3File BLOB
);

-- 表格列布局
CREATE TABLE syscols (
    F02 INTEGER NOT NULL PRIMARY KEY,
    F06 TEXT
);

-- 自动备份设置(只有一行)
CREATE TABLE [backup] (
    TypeId INTEGER,
    BackDir VARCHAR(255)
);

-- 工具菜单(Id 由数据库自动编号)
CREATE TABLE link (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    GroupId INTEGER,
    Title VARCHAR(255),
    lpFile VARCHAR(255),
    lpParameters VARCHAR(255),
    [Note] VARCHAR(255)
);

-- 操作员
CREATE TABLE operator (
    LoginId VARCHAR(255) NOT NULL PRIMARY KEY COLLATE NOCASE,
    [Password] VARCHAR(255),
    Name VARCHAR(255),
    Contact VARCHAR(255),
    [Note] VARCHAR(255),
    Rights TEXT
);

-- 系统设置(值可以是布尔值或文字, 所以不声明类型)
CREATE TABLE keyvalue (
    KeyId INTEGER NOT NULL PRIMARY KEY,
    [Value]
);

-- 下拉选择项目(每项一行, 以回车换行分隔)
CREATE TABLE options (
    [Key] INTEGER NOT NULL PRIMARY KEY,
    List TEXT
);

-- 单位信息(只使用 Id 为 0 的一行)
CREATE TABLE Company (
    Id INTEGER NOT NULL PRIMARY KEY,
    CompanyName VARCHAR(255),
    Manager VARCHAR(255),
    Tel VARCHAR(255),
    Fax VARCHAR(255),
    Address VARCHAR(255),
    Zip VARCHAR(255),
    Profile TEXT,
    Updated BOOLEAN
);

-- 初始数据: 系统用户 sa(空密码)
INSERT INTO operator (LoginId, [Password], Name, Contact, [Note], Rights) VALUES ('sa', '', '系统管理员', '', '', '');

-- 初始数据: 折旧方法, Id 从 0 起连续编号
INSERT INTO method (Id, Name) VALUES (0, '不计提折旧');
INSERT INTO method (Id, Name) VALUES (1, '平均年限法');
INSERT INTO method (Id, Name) VALUES (2, '年数总和法');
INSERT INTO method (Id, Name) VALUES (3, '双倍余额递减法');
INSERT INTO method (Id, Name) VALUES (4, '工作量法');

-- 初始数据: 自动备份设置, 不备份
INSERT INTO [backup] (TypeId, BackDir) VALUES (0, '');

-- 初始数据: 退出时不显示反馈表单(0), 启动时不显示每日一贴(1)
INSERT INTO keyvalue (KeyId, [Value]) VALUES (0, 0);
INSERT INTO keyvalue (KeyId, [Value]) VALUES (1, 0);

-- 初始数据: 下拉选择项目, 依次为资产名称、资产类别、增加方式、使用部门、使用情况、存放地点、职员、减少方式、单位
INSERT INTO options ([Key], List) VALUES (0,
    '电脑' || char(13) || char(10) ||
    '笔记本电脑' || char(13) || char(10) ||
    '服务器' || char(13) || char(10) ||
    '打印机' || char(13) || char(10) ||
    '复印机' || char(13) || char(10) ||
    '扫描仪' || char(13) || char(10) ||
    '传真机' || char(13) || char(10) ||
    '投影仪' || char(13) || char(10) ||
    '交换机' || char(13) || char(10) ||
    '路由器' || char(13) || char(10) ||
    '电话机' || char(13) || char(10) ||
    '照相机' || char(13) || char(10) ||
    '摄像机' || char(13) || char(10) ||
    '电视机' || char(13) || char(10) ||
    '办公桌' || char(13) || char(10) ||
    '办公椅' || char(13) || char(10) ||
    '文件柜' || char(13) || char(10) ||
    '会议桌' || char(13) || char(10) ||
    '沙发' || char(13) || char(10) ||
    '空调' || char(13) || char(10) ||
    '冰箱' || char(13) || char(10) ||
    '饮水机' || char(13) || char(10) ||
    '汽车');
INSERT INTO options ([Key], List) VALUES (1,
    '01房屋及建筑物' || char(13) || char(10) ||
    '0101办公用房' || char(13) || char(10) ||
    '0102生产用房' || char(13) || char(10) ||
    '0103仓库' || char(13) || char(10) ||
    '0104其他建筑物' || char(13) || char(10) ||
    '02专用设备' || char(13) || char(10) ||
    '0201生产设备' || char(13) || char(10) ||
    '0202检验检测设备' || char(13) || char(10) ||
    '0203其他专用设备' || char(13) || char(10) ||
    '03通用设备' || char(13) || char(10) ||
    '0301计算机设备' || char(13) || char(10) ||
    '0302办公设备' || char(13) || char(10) ||
    '0303通信设备' || char(13) || char(10) ||
    '0304电气设备' || char(13) || char(10) ||
    '0305空调制冷设备' || char(13) || char(10) ||
    '0306其他通用设备' || char(13) || char(10) ||
    '04交通运输设备' || char(13) || char(10) ||
    '0401汽车' || char(13) || char(10) ||
    '0402其他运输工具' || char(13) || char(10) ||
    '05家具用具' || char(13) || char(10) ||
    '0501办公家具' || char(13) || char(10) ||
    '0502其他用具' || char(13) || char(10) ||
    '06图书及文物' || char(13) || char(10) ||
    '07其他固定资产');
INSERT INTO options ([Key], List) VALUES (2,
    '购入' || char(13) || char(10) ||
    '自建' || char(13) || char(10) ||
    '调入' || char(13) || char(10) ||
    '捐赠' || char(13) || char(10) ||
    '盘盈' || char(13) || char(10) ||
    '融资租入' || char(13) || char(10) ||
    '投资者投入' || char(13) || char(10) ||
    '其他');
INSERT INTO options ([Key], List) VALUES (3,
    '办公室' || char(13) || char(10) ||
    '财务部' || char(13) || char(10) ||
    '人事部' || char(13) || char(10) ||
    '技术部' || char(13) || char(10) ||
    '销售部' || char(13) || char(10) ||
    '采购部' || char(13) || char(10) ||
    '生产部' || char(13) || char(10) ||
    '后勤部');
INSERT INTO options ([Key], List) VALUES (4,
    '在用' || char(13) || char(10) ||
    '未使用' || char(13) || char(10) ||
    '闲置' || char(13) || char(10) ||
    '维修中' || char(13) || char(10) ||
    '封存' || char(13) || char(10) ||
    '出租' || char(13) || char(10) ||
    '待报废');
INSERT INTO options ([Key], List) VALUES (5,
    '办公楼一层' || char(13) || char(10) ||
    '办公楼二层' || char(13) || char(10) ||
    '办公楼三层' || char(13) || char(10) ||
    '会议室' || char(13) || char(10) ||
    '机房' || char(13) || char(10) ||
    '车库' || char(13) || char(10) ||
    '仓库');
INSERT INTO options ([Key], List) VALUES (6,
    '张三' || char(13) || char(10) ||
    '李四' || char(13) || char(10) ||
    '王五' || char(13) || char(10) ||
    '赵六' || char(13) || char(10) ||
    '钱七' || char(13) || char(10) ||
    '孙八');
INSERT INTO options ([Key], List) VALUES (7,
    '出售' || char(13) || char(10) ||
    '报废' || char(13) || char(10) ||
    '毁损' || char(13) || char(10) ||
    '调出' || char(13) || char(10) ||
    '盘亏' || char(13) || char(10) ||
    '捐赠');
INSERT INTO options ([Key], List) VALUES (8,
    '台' || char(13) || char(10) ||
    '套' || char(13) || char(10) ||
    '件' || char(13) || char(10) ||
    '辆' || char(13) || char(10) ||
    '张' || char(13) || char(10) ||
    '个' || char(13) || char(10) ||
    '把' || char(13) || char(10) ||
    '部' || char(13) || char(10) ||
    '批');
