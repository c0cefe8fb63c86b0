<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>CAboutBox</name>
    <message>
        <source>about Quillon2.0</source>
        <translation>关于 Quillon2.0</translation>
    </message>
    <message>
        <source>Quillon icon</source>
        <translation>Quillon 图标</translation>
    </message>
    <message>
        <source>Quillon Softeware V2.0</source>
        <translation>Quillon 软件 V2.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CAdvanceMenuDialog</name>
    <message>
        <source>Main rotor</source>
        <translation>主旋翼</translation>
    </message>
    <message>
        <source>Tail rotor</source>
        <translation>尾旋翼</translation>
    </message>
    <message>
        <source>AUX channel function</source>
        <translation>AUX 通道功能</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>参数组</translation>
    </message>
    <message>
        <source>Governor</source>
        <translation>定速</translation>
    </message>
    <message>
        <source>Roll P gain</source>
        <translation>横滚 P 感度</translation>
    </message>
    <message>
        <source>Roll I gain</source>
        <translation>横滚 I 感度</translation>
    </message>
    <message>
        <source>Roll D gain</source>
        <translation>横滚 D 感度</translation>
    </message>
    <message>
        <source>Pitch P gain</source>
        <translation>俯仰 P 感度</translation>
    </message>
    <message>
        <source>Pitch I gain</source>
        <translation>俯仰 I 感度</translation>
    </message>
    <message>
        <source>Pitch D gain</source>
        <translation>俯仰 D 感度</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>Deceleration</source>
        <translation>减速</translation>
    </message>
    <message>
        <source>RC dead band</source>
        <translation>遥控死区</translation>
    </message>
    <message>
        <source>Gyro dead band</source>
        <translation>陀螺仪死区</translation>
    </message>
    <message>
        <source>Burst Coefficient</source>
        <translation>爆发系数</translation>
    </message>
    <message>
        <source>Yaw P gain</source>
        <translation>航向 P 感度</translation>
    </message>
    <message>
        <source>Yaw I gain</source>
        <translation>航向 I 感度</translation>
    </message>
    <message>
        <source>Yaw D gain</source>
        <translation>航向 D 感度</translation>
    </message>
    <message>
        <source>Acceleration L</source>
        <translation>左加速</translation>
    </message>
    <message>
        <source>Acceleration R</source>
        <translation>右加速</translation>
    </message>
    <message>
        <source>Deceleration L</source>
        <translation>左减速</translation>
    </message>
    <message>
        <source>Deceleration R</source>
        <translation>右减速</translation>
    </message>
    <message>
        <source>Collective to tail</source>
        <translation>总距补偿尾舵</translation>
    </message>
    <message>
        <source>Cyclic to tail</source>
        <translation>循环螺距补偿尾舵</translation>
    </message>
    <message>
        <source>P gain</source>
        <translation>P 感度</translation>
    </message>
    <message>
        <source>I gain</source>
        <translation>I 感度</translation>
    </message>
    <message>
        <source>D gain</source>
        <translation>D 感度</translation>
    </message>
    <message>
        <source>Total gain</source>
        <translation>总感度</translation>
    </message>
    <message>
        <source>Collective compensate</source>
        <translation>总距补偿</translation>
    </message>
    <message>
        <source>Cyclic compensate</source>
        <translation>循环螺距补偿</translation>
    </message>
    <message>
        <source>Calibrate RPM</source>
        <translation>校准转速</translation>
    </message>
    <message>
        <source>Governor On</source>
        <translation>定速开启</translation>
    </message>
    <message>
        <source>Advance Menu</source>
        <translation>高级菜单</translation>
    </message>
    <message>
        <source>Zero pitch</source>
        <translation>零螺距</translation>
    </message>
    <message>
        <source>Tail compensate</source>
        <translation>尾舵补偿</translation>
    </message>
    <message>
        <source>Switch yaw gain</source>
        <translation>切换尾舵感度</translation>
    </message>
    <message>
        <source>Switch condition</source>
        <translation>切换参数组</translation>
    </message>
    <message>
        <source>Condition1</source>
        <translation>参数组1</translation>
    </message>
    <message>
        <source>Condition2</source>
        <translation>参数组2</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>帮助：%1</translation>
    </message>
    <message>
        <source>Governor Off</source>
        <translation>定速关闭</translation>
    </message>
    <message>
        <source>Reset zero</source>
        <translation>零点复位</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Reset governor</source>
        <translation>复位定速</translation>
    </message>
</context>
<context>
    <name>CChangesWindow</name>
    <message>
        <source>, cannot be taken back</source>
        <translation>，无法撤销</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>更改记录</translation>
    </message>
    <message>
        <source>Changes sent to the Orvex since it connected</source>
        <translation>连接以来发送给 Orvex 的更改</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>From</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Old → new</source>
        <translation>旧值 → 新值</translation>
    </message>
    <message>
        <source>Confirmed</source>
        <translation>已确认</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>保存更改记录</translation>
    </message>
    <message>
        <source>text file (*.txt)|*.txt||</source>
        <translation>文本文件 (*.txt)|*.txt||</translation>
    </message>
    <message>
        <source>%1 values</source>
        <translation>%1 个参数</translation>
    </message>
    <message>
        <source>(listed in the tooltip)</source>
        <translation>（详见提示）</translation>
    </message>
    <message>
        <source>Undo this change</source>
        <translation>撤销此更改</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>另存为文本...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Scroll up and down</source>
        <translation>上下滚动</translation>
    </message>
    <message>
        <source>Scroll left and right</source>
        <translation>左右滚动</translation>
    </message>
    <message>
        <source>Column headings</source>
        <translation>列标题</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Save Link Log</source>
        <translation>保存通信日志</translation>
    </message>
    <message>
        <source>link log (*.log)|*.log||</source>
        <translation>通信日志 (*.log)|*.log||</translation>
    </message>
    <message>
        <source>Some windows show the chosen language only after Quillon is started again.</source>
        <translation>部分窗口需在重新启动 Quillon 后才显示所选语言。</translation>
    </message>
    <message>
        <source>Open conifg file</source>
        <translation>打开配置文件</translation>
    </message>
    <message>
        <source>Save Config file</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Transmit Conifg file</source>
        <translation>发送配置文件</translation>
    </message>
    <message>
        <source>Compare config file with Orvex…</source>
        <translation>将配置文件与 Orvex 比较…</translation>
    </message>
    <message>
        <source>Back up Orvex…</source>
        <translation>备份 Orvex…</translation>
    </message>
    <message>
        <source>Restore Orvex from backup…</source>
        <translation>从备份恢复 Orvex…</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Revert to the Orvex as connected</source>
        <translation>恢复到连接时的 Orvex 设置</translation>
    </message>
    <message>
        <source>&amp;Changes...</source>
        <translation>更改记录(&amp;C)...</translation>
    </message>
    <message>
        <source>About Quillon2.0</source>
        <translation>关于 Quillon2.0</translation>
    </message>
    <message>
        <source>Save Link Log...</source>
        <translation>保存通信日志...</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言 (Language)</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Quillon 2.0</source>
        <translation>Quillon 2.0</translation>
    </message>
</context>
<context>
    <name>CQuadAirplaneDialog</name>
    <message>
        <source>&apos;+&apos;Quadrotor</source>
        <translation>&apos;+&apos;型四旋翼</translation>
    </message>
    <message>
        <source>&apos;X&apos;Quadrotor</source>
        <translation>&apos;X&apos;型四旋翼</translation>
    </message>
    <message>
        <source>Conventional</source>
        <translation>常规布局</translation>
    </message>
    <message>
        <source>Delta</source>
        <translation>三角翼</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>机型配置</translation>
    </message>
    <message>
        <source>Servo Dir</source>
        <translation>舵机方向</translation>
    </message>
    <message>
        <source>Servo adjust</source>
        <translation>舵机微调</translation>
    </message>
    <message>
        <source>Compensate dir</source>
        <translation>补偿方向</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Yaw</source>
        <translation>航向</translation>
    </message>
    <message>
        <source>(Norm)</source>
        <translation>(正)</translation>
    </message>
    <message>
        <source>(Reverse)</source>
        <translation>(反)</translation>
    </message>
    <message>
        <source>Quadrotor and Airplane setup</source>
        <translation>四旋翼与固定翼设置</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source> up</source>
        <translation> 增加</translation>
    </message>
    <message>
        <source> down</source>
        <translation> 减少</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正向</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>Servo%1</source>
        <translation>舵机%1</translation>
    </message>
    <message>
        <source>Plus quadrotor</source>
        <translation>十字形四旋翼</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 front motor, CH2 right, CH3 rear, CH4 left.</source>
        <translation>俯视，机头朝上：CH1 前电机，CH2 右，CH3 后，CH4 左。</translation>
    </message>
    <message>
        <source>X quadrotor</source>
        <translation>X 形四旋翼</translation>
    </message>
    <message>
        <source>Seen from above, front up: CH1 front right motor, CH2 rear right, CH3 rear left, CH4 front left.</source>
        <translation>俯视，机头朝上：CH1 右前电机，CH2 右后，CH3 左后，CH4 左前。</translation>
    </message>
    <message>
        <source>Conventional airplane</source>
        <translation>常规布局固定翼</translation>
    </message>
    <message>
        <source>Seen from above: CH1 both ailerons, CH2 elevator, CH3 throttle, CH4 rudder.</source>
        <translation>俯视：CH1 两侧副翼，CH2 升降舵，CH3 油门，CH4 方向舵。</translation>
    </message>
    <message>
        <source>Delta wing</source>
        <translation>三角翼</translation>
    </message>
    <message>
        <source>Seen from above: CH1 left elevon, CH2 right elevon, CH3 throttle, CH4 rudder.</source>
        <translation>俯视：CH1 左升降副翼，CH2 右升降副翼，CH3 油门，CH4 方向舵。</translation>
    </message>
    <message>
        <source>%1 layout</source>
        <translation>%1 布局</translation>
    </message>
</context>
<context>
    <name>CUARTView</name>
    <message>
        <source>Orvex Connected!</source>
        <translation>Orvex 已连接！</translation>
    </message>
    <message>
        <source>Orvex is not answering — the last change may not have reached it</source>
        <translation>Orvex 没有应答——最后一次更改可能未送达</translation>
    </message>
    <message>
        <source>Before connecting to PC software, the Orvex must pass the self-test.
1. Select and install suitable USB adapter driver in &apos;driver&apos; folder.
2. Turn on the transmitter, power on the Orvex and receiver. If the three lamps of Orvex flash synchronously 
    and then become steady red or blue, it shows that Orvex passed the self-test.
3. If the three lamps all light, it shows that Orvex does not receive the receiver’s signals, or the receiver type of Orvex-S is wrong.
4. If the yellow lamp flashes after Initialization, it shows that the receiver type of Orvex-S is wrong, or your transmitter’s 
    configuration is wrong.If the blue lamp flashes, restart Orvex and make sure it is immobile during Initialization.
5. If 3 or 4 occurs, press the ‘SET’ button of Orvex-S to pass the self-test, and connect to PC software to select the receiver type again.</source>
        <translation>连接电脑软件之前，Orvex 必须通过自检。
1. 在“driver”文件夹中选择并安装合适的 USB 适配器驱动。
2. 打开遥控器，给 Orvex 和接收机通电。如果 Orvex 的三个指示灯同步闪烁后变为红色或蓝色常亮，说明 Orvex 已通过自检。
3. 如果三个指示灯全亮，说明 Orvex 没有收到接收机的信号，或 Orvex-S 的接收机类型设置错误。
4. 如果初始化后黄灯闪烁，说明 Orvex-S 的接收机类型设置错误，或遥控器的设置错误。如果蓝灯闪烁，请重新启动 Orvex，并确保初始化期间保持静止。
5. 如果出现第 3 或第 4 种情况，请按 Orvex-S 的“SET”键通过自检，再连接电脑软件重新选择接收机类型。</translation>
    </message>
    <message>
        <source>1.Connect Orvex to PC by Orvex USB adapter, click &apos;Connect&apos;, or select the COM port by hand.
2.Click &apos;Open&apos; to select and open the Firmware.
3.Keep the PC, USB adapter and Orvex connecting. Power off Orvex, press &apos;SET&apos; button of Orvex and power on.
4.The red lamp is flashing, click &apos;Upgrade&apos; to start upgrade, the parameters of Orvex will not change after upgrade.
5.Please make sure the firmware is suitable for your gyro, otherwise the gyro will be damaged. 
6.If the upgrade fails, redo the 3, 4 steps. If the Orvex does not work because of upgrade failure, 
   select the COM port by hand, and operate from the 2 step.</source>
        <translation>1. 用 Orvex USB 适配器将 Orvex 连接到电脑，点击“连接”，或手动选择 COM 端口。
2. 点击“打开”，选择并打开固件。
3. 保持电脑、USB 适配器与 Orvex 的连接。关闭 Orvex 电源，按住 Orvex 的“SET”键再通电。
4. 红灯闪烁时，点击“升级”开始升级，升级后 Orvex 的参数不会改变。
5. 请确认固件适用于您的陀螺仪，否则会损坏陀螺仪。
6. 如果升级失败，请重做第 3、4 步。如果 Orvex 因升级失败而无法工作，请手动选择 COM 端口，从第 2 步开始操作。</translation>
    </message>
    <message>
        <source>Quillon main form</source>
        <translation>Quillon 主界面</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM 端口</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置向导</translation>
    </message>
    <message>
        <source>Advance Menu</source>
        <translation>高级菜单</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>固件版本：%1</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>亮</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>灭</translation>
    </message>
    <message>
        <source>Connection lamp %1: %2</source>
        <translation>连接指示灯 %1：%2</translation>
    </message>
    <message>
        <source>Select Config File</source>
        <translation>选择配置文件</translation>
    </message>
    <message>
        <source>conif file (*.ini)|*.ini||</source>
        <translation>配置文件 (*.ini)|*.ini||</translation>
    </message>
    <message>
        <source>Orvex not connected! Connect first to compare a config file with it.</source>
        <translation>Orvex 未连接！请先连接，再将配置文件与它比较。</translation>
    </message>
    <message>
        <source>Compare config file with Orvex</source>
        <translation>将配置文件与 Orvex 比较</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>config file (*.ini)|*.ini||</source>
        <translation>配置文件 (*.ini)|*.ini||</translation>
    </message>
    <message>
        <source>Orvex not connected! Nothing was transmitted.</source>
        <translation>Orvex 未连接！未发送任何数据。</translation>
    </message>
    <message>
        <source>The config file could not be sent: %1</source>
        <translation>配置文件无法发送：%1</translation>
    </message>
    <message>
        <source>The config file has been Transmitted to Orvex!</source>
        <translation>配置文件已发送到 Orvex！</translation>
    </message>
    <message>
        <source>The config file was sent, but the Orvex did not confirm it: it may not have stored the values.</source>
        <translation>配置文件已发送，但 Orvex 未确认：它可能没有保存这些值。</translation>
    </message>
    <message>
        <source>The link to the Orvex was lost: the config file is not confirmed.</source>
        <translation>与 Orvex 的连接已断开：配置文件未得到确认。</translation>
    </message>
    <message>
        <source>Orvex not connected!</source>
        <translation>Orvex 未连接！</translation>
    </message>
</context>
<context>
    <name>ChangeCommands</name>
    <message>
        <source> Nothing was redone.</source>
        <translation>未重做任何更改。</translation>
    </message>
    <message>
        <source> Nothing was undone.</source>
        <translation>未撤销任何更改。</translation>
    </message>
    <message>
        <source>Orvex not connected!</source>
        <translation>Orvex 未连接！</translation>
    </message>
    <message>
        <source>A firmware upgrade is running.</source>
        <translation>固件升级正在进行。</translation>
    </message>
    <message>
        <source>The Orvex is not answering.</source>
        <translation>Orvex 没有应答。</translation>
    </message>
    <message>
        <source>Close the open window first.</source>
        <translation>请先关闭已打开的窗口。</translation>
    </message>
    <message>
        <source>%1 would go back to %2, outside its range %3 to %4. Send %2 to the Orvex?</source>
        <translation>%1 将恢复为 %2，超出其范围 %3 至 %4。仍将 %2 发送给 Orvex 吗？</translation>
    </message>
    <message>
        <source>Undo </source>
        <translation>撤销 </translation>
    </message>
    <message>
        <source>Redo </source>
        <translation>重做 </translation>
    </message>
    <message>
        <source> could not be sent: the Orvex is unchanged.</source>
        <translation> 无法发送：Orvex 未改变。</translation>
    </message>
    <message>
        <source>: confirmed by the Orvex.</source>
        <translation>：Orvex 已确认。</translation>
    </message>
    <message>
        <source>: the Orvex did not confirm it and may still hold the other value.</source>
        <translation>：Orvex 未确认，可能仍保持原来的值。</translation>
    </message>
    <message>
        <source>: sent, waiting for the Orvex.</source>
        <translation>：已发送，等待 Orvex 应答。</translation>
    </message>
    <message>
        <source>The log of changes could not be kept: %1</source>
        <translation>无法保存更改记录：%1</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Quillon2.0</source>
        <translation>Quillon2.0</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgrade</name>
    <message>
        <source>Bin File|*.bin|</source>
        <translation>Bin 文件|*.bin|</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
</context>
<context>
    <name>ParameterPanel</name>
    <message>
        <source>Agility</source>
        <translation>灵敏度</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>感度</translation>
    </message>
    <message>
        <source>Yaw rate L</source>
        <translation>左自旋速率</translation>
    </message>
    <message>
        <source>Yaw rate R</source>
        <translation>右自旋速率</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>新手</translation>
    </message>
    <message>
        <source>F-3C</source>
        <translation>F-3C</translation>
    </message>
    <message>
        <source>Soft 3D</source>
        <translation>柔和 3D</translation>
    </message>
    <message>
        <source>3D Hardcore</source>
        <translation>3D 硬核</translation>
    </message>
    <message>
        <source>3D Extreme</source>
        <translation>3D 极限</translation>
    </message>
    <message>
        <source>Main rotor</source>
        <translation>主旋翼</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>横滚</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>俯仰</translation>
    </message>
    <message>
        <source>Tail rotor</source>
        <translation>尾旋翼</translation>
    </message>
    <message>
        <source>Preset parameters</source>
        <translation>预设参数</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Reset main rotor</source>
        <translation>复位主旋翼</translation>
    </message>
    <message>
        <source>Reset tail rotor</source>
        <translation>复位尾旋翼</translation>
    </message>
    <message>
        <source>All data reset</source>
        <translation>全部数据复位</translation>
    </message>
</context>
<context>
    <name>ParameterTable</name>
    <message>
        <source>CH1 servo trim</source>
        <translation>CH1 舵机微调</translation>
    </message>
    <message>
        <source>CH2 servo trim</source>
        <translation>CH2 舵机微调</translation>
    </message>
    <message>
        <source>CH3 servo trim</source>
        <translation>CH3 舵机微调</translation>
    </message>
    <message>
        <source>Tail servo trim (CH4)</source>
        <translation>尾舵机微调 (CH4)</translation>
    </message>
    <message>
        <source>CH1 servo direction</source>
        <translation>CH1 舵机方向</translation>
    </message>
    <message>
        <source>CH2 servo direction</source>
        <translation>CH2 舵机方向</translation>
    </message>
    <message>
        <source>CH3 servo direction</source>
        <translation>CH3 舵机方向</translation>
    </message>
    <message>
        <source>Tail servo direction (CH4)</source>
        <translation>尾舵机方向 (CH4)</translation>
    </message>
    <message>
        <source>Tail limit A</source>
        <translation>尾舵限位 A</translation>
    </message>
    <message>
        <source>Tail limit B</source>
        <translation>尾舵限位 B</translation>
    </message>
    <message>
        <source>Aileron travel</source>
        <translation>副翼行程</translation>
    </message>
    <message>
        <source>Elevator travel</source>
        <translation>升降行程</translation>
    </message>
    <message>
        <source>Yaw gyro direction</source>
        <translation>航向陀螺仪方向</translation>
    </message>
    <message>
        <source>Roll gyro direction</source>
        <translation>横滚陀螺仪方向</translation>
    </message>
    <message>
        <source>Pitch gyro direction</source>
        <translation>俯仰陀螺仪方向</translation>
    </message>
    <message>
        <source>Servo type</source>
        <translation>舵机类型</translation>
    </message>
    <message>
        <source>Receiver type</source>
        <translation>接收机类型</translation>
    </message>
    <message>
        <source>Governor mode</source>
        <translation>定速模式</translation>
    </message>
    <message>
        <source>Swashplate type</source>
        <translation>十字盘类型</translation>
    </message>
    <message>
        <source>AUX channel function</source>
        <translation>AUX 通道功能</translation>
    </message>
    <message>
        <source>Installation direction</source>
        <translation>安装方向</translation>
    </message>
    <message>
        <source>Optimization direction</source>
        <translation>优化方向</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>参数组</translation>
    </message>
    <message>
        <source>Tail gain</source>
        <translation>尾舵感度</translation>
    </message>
    <message>
        <source>Yaw P gain</source>
        <translation>航向 P 感度</translation>
    </message>
    <message>
        <source>Yaw I gain</source>
        <translation>航向 I 感度</translation>
    </message>
    <message>
        <source>Yaw D gain</source>
        <translation>航向 D 感度</translation>
    </message>
    <message>
        <source>Roll gain</source>
        <translation>横滚感度</translation>
    </message>
    <message>
        <source>Roll P gain</source>
        <translation>横滚 P 感度</translation>
    </message>
    <message>
        <source>Roll I gain</source>
        <translation>横滚 I 感度</translation>
    </message>
    <message>
        <source>Roll D gain</source>
        <translation>横滚 D 感度</translation>
    </message>
    <message>
        <source>Pitch gain</source>
        <translation>俯仰感度</translation>
    </message>
    <message>
        <source>Pitch P gain</source>
        <translation>俯仰 P 感度</translation>
    </message>
    <message>
        <source>Pitch I gain</source>
        <translation>俯仰 I 感度</translation>
    </message>
    <message>
        <source>Pitch D gain</source>
        <translation>俯仰 D 感度</translation>
    </message>
    <message>
        <source>Tail rotor acceleration L</source>
        <translation>尾旋翼左加速</translation>
    </message>
    <message>
        <source>Tail rotor acceleration R</source>
        <translation>尾旋翼右加速</translation>
    </message>
    <message>
        <source>Tail rotor deceleration R</source>
        <translation>尾旋翼右减速</translation>
    </message>
    <message>
        <source>Tail rotor deceleration L</source>
        <translation>尾旋翼左减速</translation>
    </message>
    <message>
        <source>Main rotor acceleration</source>
        <translation>主旋翼加速</translation>
    </message>
    <message>
        <source>Main rotor deceleration</source>
        <translation>主旋翼减速</translation>
    </message>
    <message>
        <source>Governor P gain</source>
        <translation>定速 P 感度</translation>
    </message>
    <message>
        <source>Governor I gain</source>
        <translation>定速 I 感度</translation>
    </message>
    <message>
        <source>Governor D gain</source>
        <translation>定速 D 感度</translation>
    </message>
    <message>
        <source>Tail rotor RC dead band</source>
        <translation>尾旋翼遥控死区</translation>
    </message>
    <message>
        <source>Tail rotor gyro dead band</source>
        <translation>尾旋翼陀螺仪死区</translation>
    </message>
    <message>
        <source>Main rotor RC dead band</source>
        <translation>主旋翼遥控死区</translation>
    </message>
    <message>
        <source>Main rotor gyro dead band</source>
        <translation>主旋翼陀螺仪死区</translation>
    </message>
    <message>
        <source>Yaw rate L</source>
        <translation>左自旋速率</translation>
    </message>
    <message>
        <source>Yaw rate R</source>
        <translation>右自旋速率</translation>
    </message>
    <message>
        <source>Pitch agility</source>
        <translation>俯仰灵敏度</translation>
    </message>
    <message>
        <source>Roll agility</source>
        <translation>横滚灵敏度</translation>
    </message>
    <message>
        <source>Burst Coefficient</source>
        <translation>爆发系数</translation>
    </message>
    <message>
        <source>Collective pitch</source>
        <translation>总距</translation>
    </message>
    <message>
        <source>Zero pitch</source>
        <translation>零螺距</translation>
    </message>
    <message>
        <source>Collective to tail</source>
        <translation>总距补偿尾舵</translation>
    </message>
    <message>
        <source>Cyclic to tail</source>
        <translation>循环螺距补偿尾舵</translation>
    </message>
    <message>
        <source>Governor collective compensate</source>
        <translation>定速总距补偿</translation>
    </message>
    <message>
        <source>Governor cyclic compensate</source>
        <translation>定速循环螺距补偿</translation>
    </message>
    <message>
        <source>Governor total gain</source>
        <translation>定速总感度</translation>
    </message>
    <message>
        <source>Beginner Mode!</source>
        <translation>新手模式！</translation>
    </message>
    <message>
        <source>F-3C Mode!</source>
        <translation>F-3C 模式！</translation>
    </message>
    <message>
        <source>Soft 3D Mode!</source>
        <translation>柔和 3D 模式！</translation>
    </message>
    <message>
        <source>3D Hardcore Mode!</source>
        <translation>3D 硬核模式！</translation>
    </message>
    <message>
        <source>3D Extreme Mode!</source>
        <translation>3D 极限模式！</translation>
    </message>
    <message>
        <source>Conventional receiver</source>
        <translation>普通接收机</translation>
    </message>
    <message>
        <source>Increase this value can enhance governor performance, 
if the rotor speed is shaking in high frequence, 
reduce this value</source>
        <translation>增大此值可提高定速性能；如果旋翼转速出现高频抖动，请减小此值。</translation>
    </message>
    <message>
        <source>Switch yaw gain: switch the tail 
rotor gain by transmitter&apos;s AUX channel, 
it is the same as a common heading 
hold gyro. Switch condition: switch the 
two parameter groups (Condition1 and Condition2) 
of Orvex by transmitter&apos;s AUX channel, 
the Orvex is working in heading hold mode.</source>
        <translation>切换尾舵感度：用遥控器的 AUX 通道切换尾旋翼感度，与普通锁尾陀螺仪相同。切换参数组：用遥控器的 AUX 通道切换 Orvex 的两个参数组（参数组1 和参数组2），此时 Orvex 工作在锁尾模式。</translation>
    </message>
    <message>
        <source>When the AUX channel is selected as 
&apos;Switch yaw gain&apos;, you can switch 
the two parameter groups (Condition1 and 
Condition2) by hand, the two 
parameter groups only affect the 
performance of Orvex, the setup 
parameters are not included.</source>
        <translation>AUX 通道选为“切换尾舵感度”时，可以手动切换两个参数组（参数组1 和参数组2）。两个参数组只影响 Orvex 的飞行性能，不包括设置参数。</translation>
    </message>
    <message>
        <source>This is the tail rotor total gain, make it as large as possible. 
If the helicopter tail is hunting in flight, reduce this value</source>
        <translation>这是尾旋翼总感度，尽可能调大。如果飞行中直升机尾部来回摆动，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to the 
yaw rate gain, make it as 
large as possible. If 
the helicopter tail is hunting 
in flight, reduce this value 
or the tail rotor total gain.</source>
        <translation>相当于航向角速度感度，尽可能调大。如果飞行中直升机尾部来回摆动，请减小此值或尾旋翼总感度。</translation>
    </message>
    <message>
        <source>It is equivalent to the 
heading hold gain, increase 
this value can enhance 
the heading hold performance. 
If the helicopter tail is 
wagging or bouncing in 
flight, reduce this value.</source>
        <translation>相当于锁尾感度，增大此值可提高锁尾性能。如果飞行中直升机尾部摇摆或弹跳，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to the 
brake gain, increase this value 
can enhance the brake 
performance. If the helicopter 
tail is shaking when stop 
pirouette in flight, 
reduce this value.</source>
        <translation>相当于刹车感度，增大此值可提高刹车性能。如果飞行中停止自旋时直升机尾部抖动，请减小此值。</translation>
    </message>
    <message>
        <source>This is the roll 
total gain, make it 
as large as possible. 
If the helicopter is 
shaking in the roll 
direction, reduce this value</source>
        <translation>这是横滚总感度，尽可能调大。如果直升机在横滚方向抖动，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the roll rate gain, 
make it as large 
as possible. If the 
helicopter is shaking in 
the roll direction, reduce 
this value or the 
roll total gain.</source>
        <translation>相当于横滚角速度感度，尽可能调大。如果直升机在横滚方向抖动，请减小此值或横滚总感度。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the roll angle hold 
gain, increase this value 
can enhance the roll 
angle hold performance. If 
the helicopter is wagging 
or bouncing in the roll 
direction, reduce this value.</source>
        <translation>相当于横滚角度保持感度，增大此值可提高横滚角度保持性能。如果直升机在横滚方向摇摆或弹跳，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the brake gain, increase 
this value can enhance 
the brake performance of 
roll. If the helicopter 
is shaking when stop 
rolling in flight, 
reduce this value.</source>
        <translation>相当于刹车感度，增大此值可提高横滚的刹车性能。如果飞行中停止横滚时直升机抖动，请减小此值。</translation>
    </message>
    <message>
        <source>This is the pitch 
total gain, make it 
as large as possible. 
If the helicopter is 
shaking in the pitch 
direction, reduce this value</source>
        <translation>这是俯仰总感度，尽可能调大。如果直升机在俯仰方向抖动，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the pitch rate gain, 
make it as large as possible. 
If the helicopter is shaking 
in the pitch direction, 
reduce this value 
or the pitch total gain.</source>
        <translation>相当于俯仰角速度感度，尽可能调大。如果直升机在俯仰方向抖动，请减小此值或俯仰总感度。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the pitch angle hold 
gain, increase this value can 
enhance the pitch angle hold 
performance. If the 
helicopter is wagging 
or bouncing in the pitch direction, 
reduce this value.</source>
        <translation>相当于俯仰角度保持感度，增大此值可提高俯仰角度保持性能。如果直升机在俯仰方向摇摆或弹跳，请减小此值。</translation>
    </message>
    <message>
        <source>It is equivalent to 
the brake gain, increase 
this value can enhance the 
brake performance of pitch. 
If the helicopter is 
shaking when stop pitching 
in flight, reduce this value.</source>
        <translation>相当于刹车感度，增大此值可提高俯仰的刹车性能。如果飞行中停止俯仰时直升机抖动，请减小此值。</translation>
    </message>
    <message>
        <source>Increase this value can 
increase the acceleration 
of left pirouette.</source>
        <translation>增大此值可提高向左自旋的加速度。</translation>
    </message>
    <message>
        <source>Increase this value can 
increase the acceleration 
of right pirouette</source>
        <translation>增大此值可提高向右自旋的加速度。</translation>
    </message>
    <message>
        <source>Increase this value can 
increase the deceleration 
of right pirouette</source>
        <translation>增大此值可提高向右自旋的减速度。</translation>
    </message>
    <message>
        <source>Increase this value can 
increase the deceleration 
of left pirouette</source>
        <translation>增大此值可提高向左自旋的减速度。</translation>
    </message>
    <message>
        <source>Increase this value can increase 
the acceleration of roll and pitch.</source>
        <translation>增大此值可提高横滚和俯仰的加速度。</translation>
    </message>
    <message>
        <source>Increase this value can increase 
the deceleration of roll and pitch.</source>
        <translation>增大此值可提高横滚和俯仰的减速度。</translation>
    </message>
    <message>
        <source>Increase this value can enhance governor performance, 
if the rotor speed is wagging in low frequence, 
reduce this value</source>
        <translation>增大此值可提高定速性能；如果旋翼转速出现低频摆动，请减小此值。</translation>
    </message>
    <message>
        <source>Defines a range around 
the rudder stick neutral position 
where the rudder stick 
input will be ignored. </source>
        <translation>设定方向摇杆中立位置附近的一个范围，在此范围内的方向摇杆输入将被忽略。</translation>
    </message>
    <message>
        <source>If the helicopter vibration is 
low, set a small value</source>
        <translation>如果直升机振动较小，请设为较小的值。</translation>
    </message>
    <message>
        <source>Defines a range around the 
aileron and elevator sticks 
neutral position where the 
aileron and elevator sticks 
input will be ignored.</source>
        <translation>设定副翼和升降摇杆中立位置附近的一个范围，在此范围内的副翼和升降摇杆输入将被忽略。</translation>
    </message>
    <message>
        <source>If the helicopter vibration 
is low, set a small value</source>
        <translation>如果直升机振动较小，请设为较小的值。</translation>
    </message>
    <message>
        <source>This value limits 
the maximum pitch 
rate of helicopter, 
the larger the faster.</source>
        <translation>此值限制直升机的最大俯仰速率，越大越快。</translation>
    </message>
    <message>
        <source>This value limits 
the maximum roll 
rate of helicopter, 
the larger the faster.</source>
        <translation>此值限制直升机的最大横滚速率，越大越快。</translation>
    </message>
    <message>
        <source>Increase this value can enhance response speed of stick, 
if the main rotor is shaking when move the aileron 
and elevator sticks, reduce this value</source>
        <translation>增大此值可提高摇杆的响应速度；如果推动副翼和升降摇杆时主旋翼抖动，请减小此值。</translation>
    </message>
    <message>
        <source>Static torque compensation for 
collective pitch. It can enhance 
the heading hold performance 
when change the collective pitch 
quickly. Larger value can enhance 
the compensation. Change the sign 
of the value can change 
the compensation direction.</source>
        <translation>总距的静态扭矩补偿。可提高快速改变总距时的锁尾性能。值越大补偿越强，改变数值的正负号可改变补偿方向。</translation>
    </message>
    <message>
        <source>Static torque compensation for 
cyclic pitch. It can enhance the 
heading hold performance when 
move the aileron and elevator sticks 
quickly. Larger value can 
enhance the compensation. Change the sign 
of the value can change 
the compensation direction.</source>
        <translation>循环螺距的静态扭矩补偿。可提高快速推动副翼和升降摇杆时的锁尾性能。值越大补偿越强，改变数值的正负号可改变补偿方向。</translation>
    </message>
    <message>
        <source>Increase this value can enhance governor performance 
when change the collective pitch quickly</source>
        <translation>增大此值可提高快速改变总距时的定速性能。</translation>
    </message>
    <message>
        <source>Increase this value can enhance governor performance 
when move the aileron and elevator sticks quickly</source>
        <translation>增大此值可提高快速推动副翼和升降摇杆时的定速性能。</translation>
    </message>
</context>
<context>
    <name>UnitBackupCommands</name>
    <message>
        <source>Back up Orvex</source>
        <translation>备份 Orvex</translation>
    </message>
    <message>
        <source>Restore Orvex from backup</source>
        <translation>从备份恢复 Orvex</translation>
    </message>
    <message>
        <source>Orvex backup (*.orvex)|*.orvex|All files (*)|*||</source>
        <translation>Orvex 备份 (*.orvex)|*.orvex|所有文件 (*)|*||</translation>
    </message>
    <message>
        <source>The Orvex already holds every restorable value of the backup.</source>
        <translation>Orvex 已保存备份中所有可恢复的值。</translation>
    </message>
    <message>
        <source>The Orvex has been restored: every restorable byte reads back as in the backup.</source>
        <translation>Orvex 已恢复：所有可恢复的字节回读结果与备份一致。</translation>
    </message>
    <message>
        <source>The restore did not take; these bytes read back differently (read back → backup):</source>
        <translation>恢复未生效；以下字节回读结果不同（回读值 → 备份值）：</translation>
    </message>
    <message>
        <source>Revert to the Orvex as connected</source>
        <translation>恢复到连接时的 Orvex 设置</translation>
    </message>
    <message>
        <source>The Orvex already holds every value it held when it connected.</source>
        <translation>Orvex 已保存连接时的所有值。</translation>
    </message>
    <message>
        <source>The Orvex has been reverted: every restorable byte reads back as it was when it connected.</source>
        <translation>Orvex 已还原：所有可恢复的字节回读结果与连接时一致。</translation>
    </message>
    <message>
        <source>The revert did not take; these bytes read back differently (read back → at the connect):</source>
        <translation>还原未生效；以下字节回读结果不同（回读值 → 连接时的值）：</translation>
    </message>
    <message>
        <source>This connect is not kept in the history: %1</source>
        <translation>本次连接未保存到历史记录：%1</translation>
    </message>
    <message>
        <source>The link to the Orvex was lost</source>
        <translation>与 Orvex 的连接已断开</translation>
    </message>
    <message>
        <source>The Orvex did not answer</source>
        <translation>Orvex 没有应答</translation>
    </message>
    <message>
        <source>; no backup was written.</source>
        <translation>；未写入备份。</translation>
    </message>
    <message>
        <source>; nothing was sent, the Orvex is unchanged.</source>
        <translation>；未发送任何数据，Orvex 未改变。</translation>
    </message>
    <message>
        <source> after the backup was sent: the Orvex did not confirm it and may hold part of it. The restore is not verified.</source>
        <translation>（备份已发送）：Orvex 未确认，可能只保存了其中一部分。恢复未经校验。</translation>
    </message>
    <message>
        <source> after it confirmed the restore: it could not be read back. The restore is not verified.</source>
        <translation>（Orvex 已确认恢复）：但无法回读。恢复未经校验。</translation>
    </message>
    <message>
        <source>The Orvex has been backed up to %1</source>
        <translation>Orvex 已备份到 %1</translation>
    </message>
    <message>
        <source>Orvex not connected! Nothing was reverted.</source>
        <translation>Orvex 未连接！未还原任何设置。</translation>
    </message>
    <message>
        <source>Restore the Orvex from the backup of %1 (firmware %2)?

</source>
        <translation>要从 %1 的备份（固件 %2）恢复 Orvex 吗？

</translation>
    </message>
    <message>
        <source>Revert the Orvex to the values it held when it connected?

</source>
        <translation>要将 Orvex 还原为连接时的值吗？

</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>备份值</translation>
    </message>
    <message>
        <source>at the connect</source>
        <translation>连接时的值</translation>
    </message>
    <message>
        <source>Changes (Orvex → %1):
</source>
        <translation>更改（Orvex → %1）：
</translation>
    </message>
    <message>
        <source>
Kept:
</source>
        <translation>
保持不变：
</translation>
    </message>
</context>
<context>
    <name>ValueSlider</name>
    <message>
        <source> value</source>
        <translation> 数值</translation>
    </message>
</context>
</TS>
