-- 澜石固定资产管理系统 SQL Server 数据库创建脚本: 建立全部数据表、主键与索引,
-- 并写入新数据库所需的初始数据(系统用户 sa、折旧方法、备份设置、系统设置和下拉选择项目).

-- 资产档案
CREATE TABLE assets (
    Id int NOT NULL PRIMARY KEY,
    Code nvarchar(50),
    Kind nvarchar(50),
    Name nvarchar(50),
    PartNo nvarchar(50),
    GBCode nvarchar(50),
    Config nvarchar(250),
    Factory nvarchar(50),
    BuildDate nvarchar(20),
    Qty int,
    Price float,
    Unit nvarchar(10),
    AddKind nvarchar(50),
    UseDept nvarchar(50),
    UseState nvarchar(50),
    LayPlace nvarchar(50),
    Depositary nvarchar(50),
    AccountDate datetime,
    OriginValue float,
    EndValue float,
    EndValueRate int,
    UseYears int,
    MethodId int,
    AssetNote nvarchar(250),
    Reduced int,
    ReduceDate datetime,
    ReduceWay nvarchar(255),
    ReduceHandman nvarchar(255),
    ReduceCheckman nvarchar(255),
    ReduceNote nvarchar(255),
    Str1 nvarchar(50),
    Str2 nvarchar(50),
    Str3 nvarchar(50),
    Str4 nvarchar(50),
    Str5 nvarchar(50),
    Str6 nvarchar(50),
    Float1 float,
    Float2 float,
    Float3 float,
    Date1 datetime,
    Date2 datetime,
    Date3 datetime
);

-- 折旧方法
CREATE TABLE method (
    Id int NOT NULL PRIMARY KEY,
    Name nvarchar(50)
);

-- 资产变动记录
CREATE TABLE modification (
    Id int NOT NULL PRIMARY KEY,
    AssetId int,
    ModifyDate datetime,
    UseDept1 nvarchar(50),
    UseDept2 nvarchar(50),
    UseState1 nvarchar(50),
    UseState2 nvarchar(50),
    Depositary1 nvarchar(50),
    Depositary2 nvarchar(50),
    Layplace1 nvarchar(50),
    Layplace2 nvarchar(50),
    OriginalValue1 float,
    OriginalValue2 float,
    Qty1 float,
    Qty2 float,
    Description nvarchar(max),
    Handman nvarchar(20),
    Sanctionman nvarchar(20),
    ModifyReason nvarchar(50),
    Remark nvarchar(250)
);
CREATE INDEX IX_modification_AssetId ON modification (AssetId);

-- 维修记录
CREATE TABLE repair (
    Id int NOT NULL PRIMARY KEY,
    AssetId int,
    SendDate datetime,
    Malfunction nvarchar(50),
    RepairDate datetime,
    RepairDetails nvarchar(max),
    Fund float,
    Handman nvarchar(30),
    Sanctionman nvarchar(30),
    [Note] nvarchar(150)
);
CREATE INDEX IX_repair_AssetId ON repair (AssetId);

-- 附属设备
CREATE TABLE accessories (
    Id int NOT NULL PRIMARY KEY,
    AssetId int,
    ProductName nvarchar(50),
    PartNo nvarchar(50),
    Unit nvarchar(20),
    Qty int,
    Fund float,
    Remark nvarchar(50)
);
CREATE INDEX IX_accessories_AssetId ON accessories (AssetId);

-- 资产图片
CREATE TABLE assetimages (
    Id int NOT NULL PRIMARY KEY,
    AssetId int,
    Subject nvarchar(30),
    Ext nvarchar(255),
    Photo varbinary(max)
);
CREATE INDEX IX_assetimages_AssetId ON assetimages (AssetId);

-- 资产减少明细(程序只在删除资产和清理数据时清空)
CREATE TABLE reduce (
    Id int NOT NULL PRIMARY KEY,
    AssetId int,
    ReduceDate datetime,
    Amount float,
    [Note] nvarchar(255)
);
CREATE INDEX IX_reduce_AssetId ON reduce (AssetId);

-- 折旧明细(程序只在删除资产和清理数据时清空)
CREATE TABLE depreciation (
    Id int NOT NULL PRIMARY KEY,
    AssetId int,
    DepreDate datetime,
    Amount float,
    [Note] nvarchar(255)
);
CREATE INDEX IX_depreciation_AssetId ON depreciation (AssetId);

-- 报表模板
CREATE TABLE report (
    Id int NOT NULL PRIMARY KEY,
    GrpId int,
    Title nvarchar(255),
    Fr3File varbinary(max)
);

-- 表格列布局
CREATE TABLE syscols (
    F02 int NOT NULL PRIMARY KEY,
    F06 nvarchar(max)
);

-- 自动备份设置(只有一行)
CREATE TABLE [backup] (
    TypeId int,
    BackDir nvarchar(255)
);

-- 工具菜单(Id 由数据库自动编号)
CREATE TABLE link (
    Id int IDENTITY(1,1) NOT NULL PRIMARY KEY,
    GroupId int,
    Title nvarchar(255),
    lpFile nvarchar(255),
    lpParameters nvarchar(255),
    [Note] nvarchar(255)
);

-- 操作员
CREATE TABLE operator (
    LoginId nvarchar(255) NOT NULL PRIMARY KEY,
    [Password] nvarchar(255),
    Name nvarchar(255),
    Contact nvarchar(255),
    [Note] nvarchar(255),
    Rights nvarchar(max)
);

-- 系统设置(值可以是布尔值或文字, 所以用 sql_variant)
CREATE TABLE keyvalue (
    KeyId int NOT NULL PRIMARY KEY,
    [Value] sql_variant
);

-- 下拉选择项目(每项一行, 以回车换行分隔)
CREATE TABLE options (
    [Key] int NOT NULL PRIMARY KEY,
    List nvarchar(max)
);

-- 单位信息(只使用 Id 为 0 的一行)
CREATE TABLE Company (
    Id int NOT NULL PRIMARY KEY,
    CompanyName nvarchar(255),
    Manager nvarchar(255),
    Tel nvarchar(255),
    Fax nvarchar(255),
    Address nvarchar(255),
    Zip nvarchar(255),
    Profile nvarchar(max),
    Updated bit
);

-- 初始数据: 系统用户 sa(空密码)
INSERT INTO operator (LoginId, [Password], Name, Contact, [Note], Rights) VALUES (N'sa', N'', N'系统管理员', N'', N'', N'');

-- 初始数据: 折旧方法, Id 从 0 起连续编号
INSERT INTO method (Id, Name) VALUES (0, N'不计提折旧');
INSERT INTO method (Id, Name) VALUES (1, N'平均年限法');
INSERT INTO method (Id, Name) VALUES (2, N'年数总和法');
INSERT INTO method (Id, Name) VALUES (3, N'双倍余额递减法');
INSERT INTO method (Id, Name) VALUES (4, N'工作量法');

-- 初始数据: 自动备份设置, 不备份
INSERT INTO [backup] (TypeId, BackDir) VALUES (0, N'');

-- 初始数据: 退出时不显示反馈表单(0), 启动时不显示每日一贴(1)
INSERT INTO keyvalue (KeyId, [Value]) VALUES (0, CAST(0 AS bit));
INSERT INTO keyvalue (KeyId, [Value]) VALUES (1, CAST(0 AS bit));

-- 初始数据: 下拉选择项目, 依次为资产名称、资产类别、增加方式、使用部门、使用情况、存放地点、职员、减少方式、单位
INSERT INTO options ([Key], List) VALUES (0,
    N'电脑' + CHAR(13) + CHAR(10) +
    N'笔记本电脑' + CHAR(13) + CHAR(10) +
    N'服务器' + CHAR(13) + CHAR(10) +
    N'打印机' + CHAR(13) + CHAR(10) +
    N'复印机' + CHAR(13) + CHAR(10) +
    N'扫描仪' + CHAR(13) + CHAR(10) +
    N'传真机' + CHAR(13) + CHAR(10) +
    N'投影仪' + CHAR(13) + CHAR(10) +
    N'交换机' + CHAR(13) + CHAR(10) +
    N'路由器' + CHAR(13) + CHAR(10) +
    N'电话机' + CHAR(13) + CHAR(10) +
    N'照相机' + CHAR(13) + CHAR(10) +
    N'摄像机' + CHAR(13) + CHAR(10) +
    N'电视机' + CHAR(13) + CHAR(10) +
    N'办公桌' + CHAR(13) + CHAR(10) +
    N'办公椅' + CHAR(13) + CHAR(10) +
    N'文件柜' + CHAR(13) + CHAR(10) +
    N'会议桌' + CHAR(13) + CHAR(10) +
    N'沙发' + CHAR(13) + CHAR(10) +
    N'空调' + CHAR(13) + CHAR(10) +
    N'冰箱' + CHAR(13) + CHAR(10) +
    N'饮水机' + CHAR(13) + CHAR(10) +
    N'汽车');
INSERT INTO options ([Key], List) VALUES (1,
    N'01房屋及建筑物' + CHAR(13) + CHAR(10) +
    N'0101办公用房' + CHAR(13) + CHAR(10) +
    N'0102生产用房' + CHAR(13) + CHAR(10) +
    N'0103仓库' + CHAR(13) + CHAR(10) +
    N'0104其他建筑物' + CHAR(13) + CHAR(10) +
    N'02专用设备' + CHAR(13) + CHAR(10) +
    N'0201生产设备' + CHAR(13) + CHAR(10) +
    N'0202检验检测设备' + CHAR(13) + CHAR(10) +
    N'0203其他专用设备' + CHAR(13) + CHAR(10) +
    N'03通用设备' + CHAR(13) + CHAR(10) +
    N'0301计算机设备' + CHAR(13) + CHAR(10) +
    N'0302办公设备' + CHAR(13) + CHAR(10) +
    N'0303通信设备' + CHAR(13) + CHAR(10) +
    N'0304电气设备' + CHAR(13) + CHAR(10) +
    N'0305空调制冷设备' + CHAR(13) + CHAR(10) +
    N'0306其他通用设备' + CHAR(13) + CHAR(10) +
    N'04交通运输设备' + CHAR(13) + CHAR(10) +
    N'0401汽车' + CHAR(13) + CHAR(10) +
    N'0402其他运输工具' + CHAR(13) + CHAR(10) +
    N'05家具用具' + CHAR(13) + CHAR(10) +
    N'0501办公家具' + CHAR(13) + CHAR(10) +
    N'0502其他用具' + CHAR(13) + CHAR(10) +
    N'06图书及文物' + CHAR(13) + CHAR(10) +
    N'07其他固定资产');
INSERT INTO options ([Key], List) VALUES (2,
    N'购入' + CHAR(13) + CHAR(10) +
    N'自建' + CHAR(13) + CHAR(10) +
    N'调入' + CHAR(13) + CHAR(10) +
    N'捐赠' + CHAR(13) + CHAR(10) +
    N'盘盈' + CHAR(13) + CHAR(10) +
    N'融资租入' + CHAR(13) + CHAR(10) +
    N'投资者投入' + CHAR(13) + CHAR(10) +
    N'其他');
INSERT INTO options ([Key], List) VALUES (3,
    N'办公室' + CHAR(13) + CHAR(10) +
    N'财务部' + CHAR(13) + CHAR(10) +
    N'人事部' + CHAR(13) + CHAR(10) +
    N'技术部' + CHAR(13) + CHAR(10) +
    N'销售部' + CHAR(13) + CHAR(10) +
    N'采购部' + CHAR(13) + CHAR(10) +
    N'生产部' + CHAR(13) + CHAR(10) +
    N'后勤部');
INSERT INTO options ([Key], List) VALUES (4,
    N'在用' + CHAR(13) + CHAR(10) +
    N'未使用' + CHAR(13) + CHAR(10) +
    N'闲置' + CHAR(13) + CHAR(10) +
    N'维修中' + CHAR(13) + CHAR(10) +
    N'封存' + CHAR(13) + CHAR(10) +
    N'出租' + CHAR(13) + CHAR(10) +
    N'待报废');
INSERT INTO options ([Key], List) VALUES (5,
    N'办公楼一层' + CHAR(13) + CHAR(10) +
    N'办公楼二层' + CHAR(13) + CHAR(10) +
    N'办公楼三层' + CHAR(13) + CHAR(10) +
    N'会议室' + CHAR(13) + CHAR(10) +
    N'机房' + CHAR(13) + CHAR(10) +
    N'车库' + CHAR(13) + CHAR(10) +
    N'仓库');
INSERT INTO options ([Key], List) VALUES (6,
    N'张三' + CHAR(13) + CHAR(10) +
    N'李四' + CHAR(13) + CHAR(10) +
    N'王五' + CHAR(13) + CHAR(10) +
    N'赵六' + CHAR(13) + CHAR(10) +
    N'钱七' + CHAR(13) + CHAR(10) +
    N'孙八');
INSERT INTO options ([Key], List) VALUES (7,
    N'出售' + CHAR(13) + CHAR(10) +
    N'报废' + CHAR(13) + CHAR(10) +
    N'毁损' + CHAR(13) + CHAR(10) +
    N'调出' + CHAR(13) + CHAR(10) +
    N'盘亏' + CHAR(13) + CHAR(10) +
    N'捐赠');
INSERT INTO options ([Key], List) VALUES (8,
    N'台' + CHAR(13) + CHAR(10) +
    N'套' + CHAR(13) + CHAR(10) +
    N'件' + CHAR(13) + CHAR(10) +
    N'辆' + CHAR(13) + CHAR(10) +
    N'张' + CHAR(13) + CHAR(10) +
    N'个' + CHAR(13) + CHAR(10) +
    N'把' + CHAR(13) + CHAR(10) +
    N'部' + CHAR(13) + CHAR(10) +
    N'批');
